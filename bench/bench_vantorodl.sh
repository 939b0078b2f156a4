#!/usr/bin/env bash
# Measures what vantoro-dl adds on top of the programs it drives:
#   1. downloading a 200 MB file from a loopback HTTP server: vantoro-dl against yt-dlp alone;
#   2. converting a 1080p clip to 720p MKV: vantoro-dl against ffmpeg alone with the same options.
# Each is run RUNS times (default 3); the medians and their ratio are printed.
# Usage: bench/bench_vantorodl.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
tool="$build/bin/vantoro-dl"
runs=${RUNS:-3}
[[ -x "$tool" ]] || { echo "build first: $tool is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www" "$work/out"

echo "preparing media in $work ..."
# A real, playable video whose index comes first, padded to 200 MB so that the transfer dominates.
ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=size=640x360:rate=25 -t 2 \
    -c:v libx264 -pix_fmt yuv420p -movflags +faststart "$work/www/head.mp4"
cp "$work/www/head.mp4" "$work/www/big.mp4"
head -c $((200 * 1024 * 1024 - $(stat -c %s "$work/www/head.mp4"))) /dev/urandom >> "$work/www/big.mp4"
ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc2=size=1920x1080:rate=30 -f lavfi \
    -i sine=frequency=440 -t 20 -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac \
    -shortest "$work/www/hd.mp4"

port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
(cd "$work/www" && exec /usr/bin/python3 -m http.server --bind 127.0.0.1 "$port" >/dev/null 2>&1) &
server=$!
for _ in $(seq 50); do curl -sf -o /dev/null "http://127.0.0.1:$port/head.mp4" && break; sleep 0.1; done

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timeit() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N); echo "$e - $s" | bc -l; }

cat > "$work/download.json" <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "downloader": {"url": "http://127.0.0.1:$port/big.mp4", "save_path": "$work/out/tool",
                "media_type": "video", "video_quality": "1080P", "audio_quality": "320Kb/s",
                "nocheckcertificate": "true", "read_cookie": "false", "add_playlist_index": "false"},
 "converter": {"input": "downloader", "save_path": "downloader", "isNeedConvert": "false"}}
JSON
cat > "$work/convert.json" <<JSON
{"ffmpeg_location": "/usr/bin", "log_path": "$work",
 "converter": {"input": "$work/www/hd.mp4", "preset": "$build/bin/OneClickedType/MKV.json",
               "save_path": "$work/out/conv", "isNeedConvert": "true",
               "video": {"resolution": "1280x720"}, "audio": {"bit_rate": "origin"}}}
JSON

tool_dl=(); plain_dl=(); tool_cv=(); plain_cv=()
for i in $(seq "$runs"); do
    rm -rf "$work/out"/*
    tool_dl+=("$(timeit "$tool" "$work/download.json")")
    rm -rf "$work/out"/*
    plain_dl+=("$(timeit yt-dlp --no-warnings --ignore-config -o "$work/out/plain.%(ext)s" "http://127.0.0.1:$port/big.mp4")")
    rm -rf "$work/out"/*
    tool_cv+=("$(timeit "$tool" "$work/convert.json")")
    rm -rf "$work/out"/*; mkdir -p "$work/out"
    plain_cv+=("$(timeit ffmpeg -nostdin -hide_banner -loglevel error -y -i "$work/www/hd.mp4" \
        -map 0:v:0 -c:v libx264 -preset veryfast -crf 23 -pix_fmt yuv420p \
        -vf 'scale=1280:720:force_original_aspect_ratio=decrease,scale=trunc(iw/2)*2:trunc(ih/2)*2' \
        -map 0:a:0 -c:a copy -f matroska "$work/out/plain.mkv")")
done

report() {
    local name=$1 a b
    a=$(printf '%s\n' "${@:2:$runs}" | median)
    b=$(printf '%s\n' "${@:$((runs + 2)):$runs}" | median)
    printf '%-34s vantoro-dl %6.2f s   alone %6.2f s   ratio %.3f\n' "$name" "$a" "$b" "$(echo "$a / $b" | bc -l)"
}
report "download 200 MB (vs yt-dlp)" "${tool_dl[@]}" "${plain_dl[@]}"
report "convert 20 s 1080p to 720p MKV (vs ffmpeg)" "${tool_cv[@]}" "${plain_cv[@]}"
