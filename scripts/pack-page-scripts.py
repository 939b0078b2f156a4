#!/usr/bin/env python3
"""Keeps the page-script bundle's manifest (resources/js/scripts-2.0.0.json) consistent with the
scripts in resources/js/download/: "files" holds the MD5 of every script, "md5" the MD5 of the
bundle archive named by "url", built reproducibly (sorted entries, fixed times, stored).

    scripts/pack-page-scripts.py            update the manifest
    scripts/pack-page-scripts.py --check    exit 1 when the manifest is stale
    scripts/pack-page-scripts.py --zip DIR  also write the archive into DIR (for the update server)
"""
import hashlib, io, json, os, sys, zipfile
from collections import OrderedDict

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
js = os.path.join(root, 'resources', 'js')
manifest_path = os.path.join(js, 'scripts-2.0.0.json')


def bundle_names(manifest):
    return ['common.js'] + [entry['script'] for entry in manifest['scripts']]


def archive(manifest):
    buf = io.BytesIO()
    with zipfile.ZipFile(buf, 'w', zipfile.ZIP_STORED) as z:
        for name in sorted(bundle_names(manifest)):
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.external_attr = 0o644 << 16
            info.create_system = 3
            with open(os.path.join(js, 'download', name), 'rb') as f:
                z.writestr(info, f.read())
    return buf.getvalue()


def main():
    with open(manifest_path, encoding='utf-8') as f:
        text = f.read()
    manifest = json.loads(text, object_pairs_hook=OrderedDict)
    files = OrderedDict()
    for name in bundle_names(manifest):
        with open(os.path.join(js, 'download', name), 'rb') as f:
            files[name] = hashlib.md5(f.read()).hexdigest()
    data = archive(manifest)
    manifest['md5'] = hashlib.md5(data).hexdigest()
    manifest['files'] = files
    fresh = json.dumps(manifest, indent=4, ensure_ascii=False) + '\n'
    if '--check' in sys.argv:
        if fresh != text:
            print('resources/js/scripts-2.0.0.json is stale: run scripts/pack-page-scripts.py')
            return 1
        return 0
    if fresh != text:
        with open(manifest_path, 'w', encoding='utf-8') as f:
            f.write(fresh)
    if '--zip' in sys.argv:
        folder = sys.argv[sys.argv.index('--zip') + 1]
        name = manifest['url'].rsplit('/', 1)[-1]
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main())
