#!/usr/bin/env bash
# Measures what vantoro-dl adds on top of the programs it drives, each case side by side with its
# baseline in the same run (alternating, RUNS times each, default 3; medians and their ratio):
#   1. a direct 200 MB file from a loopback HTTP server: CPU time (the tool and all its children)
#      against yt-dlp alone, and wall time;
#   2. an HLS recording on demand of 100 one-second segments: wall time against yt-dlp alone;
#   3. converting a 30 s clip to MP3: wall time against ffmpeg alone with the same arguments;
#   4. converting a 20 s 1080p clip to 720p MKV: wall time against ffmpeg alone.
# Usage: bench/bench_vantorodl.sh [BUILD_DIR]   (TOOL=path measures another vantoro-dl build,
#        CASES="direct hls mp3 mkv" picks the cases)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
tool=${TOOL:-$build/bin/vantoro-dl}
runs=${RUNS:-3}
cases=" ${CASES:-direct hls mp3 mkv} "
[[ -x "$tool" ]] || { echo "build first: $tool is missing" >&2; exit 1; }

work=$(mktemp -d)
server=
trap '[[ -n $server ]] && kill $server 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/www/hls" "$work/out"

echo "preparing media in $work ..."
ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
# A real, playable video whose index comes first, padded to 200 MB so that the transfer dominates.
ff -f lavfi -i testsrc=size=640x360:rate=25 -t 2 -c:v libx264 -pix_fmt yuv420p \
    -movflags +faststart "$work/www/head.mp4"
cp "$work/www/head.mp4" "$work/www/big.mp4"
head -c $((200 * 1024 * 1024 - $(stat -c %s "$work/www/head.mp4"))) /dev/urandom >> "$work/www/big.mp4"
ff -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=300 -t 100 \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 25 -sc_threshold 0 -c:a aac -shortest \
    -f hls -hls_time 1 -hls_list_size 0 -hls_segment_filename "$work/www/hls/seg%03d.ts" \
    "$work/www/hls/vod.m3u8"
ff -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=440 -t 30 \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -b:a 160k -shortest "$work/www/talk.mp4"
ff -f lavfi -i testsrc2=size=1920x1080:rate=30 -f lavfi -i sine=frequency=440 -t 20 \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$work/www/hd.mp4"

port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
(cd "$work/www" && exec /usr/bin/python3 -m http.server --bind 127.0.0.1 "$port" >/dev/null 2>&1) &
server=$!
for _ in $(seq 50); do curl -sf -o /dev/null "http://127.0.0.1:$port/head.mp4" && break; sleep 0.1; done

# "WALL CPU" of a command and everything it waited for.
measure() {
    /usr/bin/python3 - "$@" <<'PY'
import resource, subprocess, sys, time
start = time.monotonic()
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
used = resource.getrusage(resource.RUSAGE_CHILDREN)
print(f"{time.monotonic() - start:.3f} {used.ru_utime + used.ru_stime:.3f}")
PY
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

download_json() { # URL FOLDER
    cat <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "downloader": {"url": "$1", "save_path": "$2", "media_type": "video", "video_quality": "1080P",
                "audio_quality": "320Kb/s", "nocheckcertificate": "true", "read_cookie": "false",
                "add_playlist_index": "false"},
 "converter": {"input": "downloader", "save_path": "downloader", "isNeedConvert": "false"}}
JSON
}
download_json "http://127.0.0.1:$port/big.mp4" "$work/out/tool" > "$work/direct.json"
download_json "http://127.0.0.1:$port/hls/vod.m3u8" "$work/out/tool" > "$work/hls.json"
cat > "$work/mp3.json" <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "converter": {"input": "$work/www/talk.mp4", "preset": "$build/bin/OneClickedType/MP3.json",
               "save_path": "$work/out/conv", "isNeedConvert": "true",
               "audio": {"bit_rate": "128K"}}}
JSON
cat > "$work/mkv.json" <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "converter": {"input": "$work/www/hd.mp4", "preset": "$build/bin/OneClickedType/MKV.json",
               "save_path": "$work/out/conv", "isNeedConvert": "true",
               "video": {"resolution": "1280x720"}, "audio": {"bit_rate": "origin"}}}
JSON

declare -A wall cpu
record() { # NAME COMMAND...
    local name=$1 r
    shift
    [[ $cases == *" ${name%_*} "* ]] || return 0
    rm -rf "$work/out"; mkdir -p "$work/out/conv"
    r=$(measure "$@")
    wall[$name]+="${r% *} "
    cpu[$name]+="${r#* } "
}
ytdlp=(yt-dlp --no-warnings --ignore-config -o "$work/out/plain.%(ext)s")
mp3_args=(-nostdin -hide_banner -y -progress pipe:1 -nostats -i "$work/www/talk.mp4"
    -map '0:a:0?' -c:a libmp3lame -b:a 128k -f mp3 "$work/out/conv/plain.mp3")
mkv_args=(-nostdin -hide_banner -y -progress pipe:1 -nostats -i "$work/www/hd.mp4"
    -map '0:v:0?' -c:v libx264 -preset veryfast -crf 23 -pix_fmt yuv420p -vf scale=-2:720
    -map '0:a:0?' -c:a copy -f matroska "$work/out/conv/plain.mkv")
# One warm-up run each, so that caches (yt-dlp's version, the page cache) are as in daily use.
"$tool" "$work/direct.json" >/dev/null 2>&1 || true
for i in $(seq "$runs"); do
    echo "run $i of $runs ..."
    record direct_tool "$tool" "$work/direct.json"
    record direct_alone "${ytdlp[@]}" "http://127.0.0.1:$port/big.mp4"
    record hls_tool "$tool" "$work/hls.json"
    record hls_alone "${ytdlp[@]}" "http://127.0.0.1:$port/hls/vod.m3u8"
    record mp3_tool "$tool" "$work/mp3.json"
    record mp3_alone ffmpeg "${mp3_args[@]}"
    record mkv_tool "$tool" "$work/mkv.json"
    record mkv_alone ffmpeg "${mkv_args[@]}"
done

report() { # LABEL CASE wall|cpu
    local a b
    [[ $cases == *" $2 "* ]] || return 0
    local -n table=$3
    a=$(printf '%s\n' ${table[${2}_tool]} | median)
    b=$(printf '%s\n' ${table[${2}_alone]} | median)
    printf '%-44s vantoro-dl %7.2f s   alone %7.2f s   ratio %.3f\n' "$1" "$a" "$b" \
        "$(echo "$a / $b" | bc -l)"
}
report "direct 200 MB, CPU time (vs yt-dlp)" direct cpu
report "direct 200 MB, wall (vs yt-dlp)" direct wall
report "HLS VOD 100 segments, wall (vs yt-dlp)" hls wall
report "MP3 of a 30 s clip, wall (vs ffmpeg)" mp3 wall
report "20 s 1080p to 720p MKV, wall (vs ffmpeg)" mkv wall
