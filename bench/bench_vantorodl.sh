#!/usr/bin/env bash
# What vantoro-dl costs on top of the programs it drives. Every case runs the tool and its anchor,
# the same program alone with the very arguments the tool gave it, in interleaved pairs (the order
# flips every round), RUNS rounds (default 5), and prints the medians and the median of the pair
# ratios, for wall time and CPU time (the command and every child it waited for, to the
# microsecond: /usr/bin/time's hundredths are a good part of a short case's difference):
#   direct   a 200 MB video file from a loopback HTTP server         (anchor: yt-dlp)
#   small    a 6.6 MB video file: the fixed cost of one download     (anchor: yt-dlp)
#   hls      an HLS recording on demand of 100 one-second segments  (anchor: yt-dlp)
#   mp3      an audio job of a 10-minute MP3 file                    (anchor: yt-dlp)
#   conv     10 conversions of 1080p clips to MP4 720p, the application handing over the probe
#            it already has                                          (anchor: ffmpeg, 10 runs)
#   mp3conv  converting a 30 s clip to MP3                           (anchor: ffmpeg)
# The anchors' arguments are recorded from the tool itself: once, before the measured rounds, the
# tool runs with stand-ins for yt-dlp and ffmpeg that write down their arguments.
# A run that fails is reported as such (no ratio is made of it) and the script then exits 1.
# The machine may be shared: the load average is printed before and after; compare ratios.
# Usage: bench/bench_vantorodl.sh [BUILD_DIR]   (TOOL=path measures another vantoro-dl build,
#        CASES="direct small hls mp3 conv mp3conv" picks the cases, RUNS=n the rounds)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
tool=${TOOL:-$build/bin/vantoro-dl}
presets=$build/bin/OneClickedType
runs=${RUNS:-5}
cases=" ${CASES:-direct small hls mp3 conv mp3conv} "
[[ -x "$tool" ]] || { echo "build first: $tool is missing" >&2; exit 1; }
ytdlp_real=$(command -v yt-dlp)
ffmpeg_real=$(command -v ffmpeg)

work=$(mktemp -d)
server=
trap '[[ -n $server ]] && kill $server 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/www/hls" "$work/out" "$work/conv" "$work/capture" "$work/params"
# The tool's and yt-dlp's caches stay in here, away from the user's.
export XDG_CACHE_HOME="$work/cache"
want() { [[ $cases == *" $1 "* ]]; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "preparing media in $work ..."
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
if want direct; then # about 200 MB of video, its index at the end as cameras write it
    ff -f lavfi -i testsrc2=size=1920x1080:rate=25 -t 66 -c:v mpeg4 -q:v 1 -pix_fmt yuv420p \
        "$work/www/big.mp4"
fi
if want small; then
    ff -f lavfi -i testsrc2=size=640x360:rate=25 -f lavfi -i sine=frequency=440 -t 20 \
        -c:v libx264 -preset ultrafast -qp 12 -pix_fmt yuv420p -c:a aac -shortest \
        "$work/www/small.mp4"
fi
if want hls; then
    ff -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=300 -t 100 \
        -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 25 -sc_threshold 0 -c:a aac -shortest \
        -f hls -hls_time 1 -hls_list_size 0 -hls_segment_filename "$work/www/hls/seg%03d.ts" \
        "$work/www/hls/vod.m3u8"
fi
if want mp3; then
    ff -f lavfi -i sine=frequency=440 -t 600 -c:a libmp3lame -b:a 128k "$work/www/talk.mp3"
fi
if want mp3conv; then
    ff -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=440 -t 30 \
        -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -b:a 160k -shortest \
        "$work/www/talk.mp4"
fi
if want conv; then
    for n in $(seq 10); do
        ff -f lavfi -i "testsrc2=size=1920x1080:rate=30" -f lavfi -i "sine=frequency=$((200 + n))" \
            -t 3 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -shortest \
            "$work/www/hd$n.mp4"
    done
fi
for f in "$work"/www/*.mp4 "$work"/www/*.mp3; do
    [[ -e $f ]] && printf '  %-12s %6.1f MB\n' "$(basename "$f")" "$(echo "$(stat -c %s "$f") / 1048576" | bc -l)"
done

port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
(cd "$work/www" && exec /usr/bin/python3 -m http.server --bind 127.0.0.1 "$port" >/dev/null 2>&1) &
server=$!
for _ in $(seq 50); do curl -sf -o /dev/null "http://127.0.0.1:$port/" && break; sleep 0.1; done

download_json() { # URL MEDIA_TYPE
    cat <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "downloader": {"url": "$1", "save_path": "$work/out", "media_type": "$2",
                "video_quality": "1080P", "audio_quality": "320Kb/s", "read_cookie": "false",
                "add_playlist_index": "false"},
 "converter": {"input": "downloader", "save_path": "downloader", "isNeedConvert": "false"}}
JSON
}
convert_json() { # INPUT PRESET EXTRA
    local probe
    probe=$(ffprobe -v error -print_format json -show_format -show_streams "$1" |
        /usr/bin/python3 -c 'import json,sys; print(json.dumps(json.dumps(json.load(sys.stdin))))')
    cat <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "converter": {"input": "$1", "preset": "$presets/$2.json", "save_path": "$work/conv",
               "isNeedConvert": "true", $3, "probe": $probe}}
JSON
}
want direct && download_json "http://127.0.0.1:$port/big.mp4" video > "$work/params/direct.json"
want small && download_json "http://127.0.0.1:$port/small.mp4" video > "$work/params/small.json"
want hls && download_json "http://127.0.0.1:$port/hls/vod.m3u8" video > "$work/params/hls.json"
want mp3 && download_json "http://127.0.0.1:$port/talk.mp3" audio > "$work/params/mp3.json"
want mp3conv && convert_json "$work/www/talk.mp4" MP3 '"audio": {"bit_rate": "128K"}' \
    > "$work/params/mp3conv.json"
if want conv; then
    for n in $(seq 10); do
        convert_json "$work/www/hd$n.mp4" MP4 '"video": {"resolution": "1280x720"}, "audio": {"bit_rate": "origin"}' \
            > "$work/params/conv$n.json"
    done
fi

# The stand-ins: a copy of the tool with a yt-dlp beside it, and an ffmpeg folder, that write
# down their arguments (one shell-quoted line per run) and hand over to the real programs.
cp "$tool" "$work/capture/vantoro-dl"
for name in yt-dlp ffmpeg; do
    real=$ytdlp_real
    [[ $name == ffmpeg ]] && real=$ffmpeg_real
    # A version query is not recorded: the tool may run one beside the real command, and two
    # writers interleaving their pieces would splice two commands into a broken one. The line is
    # written under a lock all the same (yt-dlp runs ffmpeg and ffprobe while it works).
    cat > "$work/capture/$name" <<SH
#!/usr/bin/env bash
if [[ \$# -ne 1 || \$1 != --version ]]; then
    line=\$(printf '%q' "$real"; printf ' %q' "\$@")
    ( flock 9 && printf '%s\n' "\$line" >&9 ) 9>> "$work/capture/$name.args"
fi
exec "$real" "\$@"
SH
    chmod +x "$work/capture/$name"
done
anchor_of() { # PARAMS NAME: the command the tool ran (the last one that is not a version query)
    rm -f "$work/capture/$2.args" && rm -rf "$work/out" "$work/conv" && mkdir -p "$work/out" "$work/conv"
    sed "s|\"ffmpeg_location\": \"/usr/bin\"|\"ffmpeg_location\": \"$work/capture\"|" "$1" > "$work/capture/p.json"
    "$work/capture/vantoro-dl" "$work/capture/p.json" > "$work/capture/last.out" 2>&1 || true
    grep -q '"ret_code":"0"' "$work/capture/last.out" || { cat "$work/capture/last.out" >&2; exit 1; }
    local line real=$ytdlp_real
    [[ $2 == ffmpeg ]] && real=$ffmpeg_real
    line=$(grep -v -- ' --version$' "$work/capture/$2.args" | tail -1 | sed "s|$work/capture|/usr/bin|g")
    [[ $line == "$(printf '%q' "$real") "* ]] || { echo "no $2 command recorded for $1: '$line'" >&2; exit 1; }
    echo "$line"
}
echo "recording the anchors' arguments ..."
for c in direct small hls mp3 mp3conv conv; do
    want $c || continue
    : > "$work/$c.tool.sh"
    : > "$work/$c.alone.sh"
    for p in "$work/params/$c".json "$work/params/$c"[0-9]*.json; do
        [[ -e $p ]] || continue
        name=yt-dlp
        [[ $c == *conv ]] && name=ffmpeg
        printf '%q %q >/dev/null 2>&1\n' "$tool" "$p" >> "$work/$c.tool.sh"
        anchor=$(anchor_of "$p" $name)
        echo "$anchor >/dev/null 2>&1" >> "$work/$c.alone.sh"
    done
    echo "  $c: $(head -1 "$work/$c.alone.sh" | cut -c1-400)"
done

# timed FILE COMMAND...: runs the command and writes "WALL USER SYSTEM" (seconds) to FILE; the
# times are the command's and its waited-for children's, as the kernel accounts them.
timed() {
    /usr/bin/python3 -c '
import resource, subprocess, sys, time
start = time.monotonic()
code = subprocess.call(sys.argv[2:])
wall = time.monotonic() - start
r = resource.getrusage(resource.RUSAGE_CHILDREN)
with open(sys.argv[1], "w") as f:
    f.write("%.4f %.4f %.4f\n" % (wall, r.ru_utime, r.ru_stime))
sys.exit(code)' "$@"
}
declare -A wall cpu failed
# A run that fails (a command of it ends with an error, or it leaves no file) is counted as a
# failure: its time says nothing, and a case with a failure gets no ratio.
measure() { # CASE KIND
    local r ok=1
    rm -rf "$work/out" "$work/conv" && mkdir -p "$work/out" "$work/conv"
    timed "$work/time" bash -e "$work/$1.$2.sh" || ok=0
    [[ -n $(ls -A "$work/out")$(ls -A "$work/conv") ]] || ok=0
    r=$(tail -1 "$work/time")
    # Nothing real takes no time: a zero is a command that did not run.
    if ((ok)) && [[ $r =~ ^[0-9.]+\ [0-9.]+\ [0-9.]+$ ]] &&
        awk '{exit !($1 > 0 && $2 + $3 > 0)}' <<< "$r"; then
        wall[$1_$2]+="$(echo "$r" | cut -d' ' -f1) "
        cpu[$1_$2]+="$(echo "$r" | awk '{print $2 + $3}') "
    else
        failed[$1_$2]=$((${failed[$1_$2]:-0} + 1))
        echo "  $1 $2 FAILED: $(tr '\n' ' ' < "$work/time")" >&2
    fi
}
# One warm-up run each, so that caches (yt-dlp's version, the page cache) are as in daily use.
for c in direct small hls mp3 mp3conv conv; do
    want $c && measure $c tool && measure $c alone
done
unset wall cpu failed
declare -A wall cpu failed
for i in $(seq "$runs"); do
    echo "round $i of $runs (load $(cut -d' ' -f1 /proc/loadavg)) ..."
    for c in direct small hls mp3 mp3conv conv; do
        want $c || continue
        if ((i % 2)); then measure $c tool; measure $c alone; else measure $c alone; measure $c tool; fi
    done
done

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
report() { # LABEL CASE
    local k t a
    if ((${failed[${2}_tool]:-0} + ${failed[${2}_alone]:-0} > 0)); then
        printf '%-34s FAILED: vantoro-dl %d, anchor %d of %d runs\n' "$1" \
            "${failed[${2}_tool]:-0}" "${failed[${2}_alone]:-0}" "$runs"
        status=1
        return
    fi
    for k in wall cpu; do
        local -n table=$k
        read -r -a ts <<< "${table[${2}_tool]}"
        read -r -a as <<< "${table[${2}_alone]}"
        t=$(printf '%s\n' "${ts[@]}" | median)
        a=$(printf '%s\n' "${as[@]}" | median)
        local ratios=() j
        for j in "${!ts[@]}"; do ratios+=("$(echo "${ts[$j]} / ${as[$j]}" | bc -l)"); done
        printf '%-34s %-4s vantoro-dl %7.3f s   anchor %7.3f s   ratio of medians %.3f   median pair ratio %.3f\n' \
            "$1" "$k" "$t" "$a" "$(echo "$t / $a" | bc -l)" "$(printf '%s\n' "${ratios[@]}" | median)"
    done
}
echo
status=0
want direct && report "direct 200 MB (vs yt-dlp)" direct
want small && report "direct 6.6 MB (vs yt-dlp)" small
want hls && report "HLS 100 segments (vs yt-dlp)" hls
want mp3 && report "MP3 audio job (vs yt-dlp)" mp3
want conv && report "10 x 1080p to 720p MP4 (vs ffmpeg)" conv
want mp3conv && report "30 s clip to MP3 (vs ffmpeg)" mp3conv
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
