#!/usr/bin/python3
"""Writes the SVG sources of the list pictures and renders them to PNG with tools/svg2png.

Run from the repository root after building /tmp/svg2png (see tools/svg2png/svg2png.cpp).
The SVG and PNG files are committed; this script only needs to run when a picture changes.
"""
import os, subprocess

R = 'resources/images'
BLUE, GREY, LIGHT = '#2A6DF4', '#5A6478', '#B9C0CC'


def write(path, svg, w, h):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    src = os.path.splitext(path)[0] + '.svg'
    with open(src, 'w') as f:
        f.write(svg)
    subprocess.check_call(['/tmp/svg2png', src, path, str(w), str(h)])


def svg(w, h, body):
    return f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">{body}</svg>\n'


# Row buttons (31x31 at 2x): normal, hover, pressed, disabled.
glyphs = {
    'pause': lambda c: f'<rect x="12" y="10" width="2.6" height="11" rx="1" fill="{c}"/><rect x="16.4" y="10" width="2.6" height="11" rx="1" fill="{c}"/>',
    'resume': lambda c: f'<path d="M13 10 L22 15.5 L13 21 Z" fill="{c}" stroke="{c}" stroke-linejoin="round" stroke-width="1.2"/>',
    'suspend': lambda c: f'<rect x="11" y="11" width="9" height="9" rx="1.5" fill="{c}"/>',
    'retry': lambda c: f'<path d="M20.5 12.2 A6 6 0 1 0 21.5 17" stroke="{c}" stroke-width="2" fill="none" stroke-linecap="round"/><path d="M21.8 8.8 L21.2 13.4 L16.8 12.3 Z" fill="{c}"/>',
    'folder': lambda c: f'<path d="M9 11.5 h5 l1.6 1.8 h6.4 v7.7 h-13 Z" stroke="{c}" stroke-width="1.8" fill="none" stroke-linejoin="round"/>',
}
states = [  # ring, fill, glyph
    ('#C9D3E3', '#FFFFFF', GREY),
    (BLUE, '#EEF3FD', BLUE),
    ('#0F61D6', '#DCE6FB', '#0F61D6'),
    ('#E1E5EC', '#F6F7F9', '#C3C9D3'),
]
for name, glyph in glyphs.items():
    for i, (ring, fill, colour) in enumerate(states):
        write(f'{R}/buttons/btn_{name}_{i}.png',
              svg(31, 31, f'<circle cx="15.5" cy="15.5" r="14.5" fill="{fill}" stroke="{ring}" stroke-width="1"/>' + glyph(colour)), 62, 62)

# Toolbar pictures (24x24, drawn at 2x).
tool = {
    'QP/resume': f'<circle cx="12" cy="12" r="9.5" stroke="{GREY}" stroke-width="1.6" fill="none"/><path d="M10 8 L16.5 12 L10 16 Z" fill="{GREY}"/>',
    'QP/pause': f'<circle cx="12" cy="12" r="9.5" stroke="{GREY}" stroke-width="1.6" fill="none"/><rect x="9" y="8" width="2.2" height="8" rx="0.8" fill="{GREY}"/><rect x="12.8" y="8" width="2.2" height="8" rx="0.8" fill="{GREY}"/>',
    'QP/delete': f'<path d="M5 7 h14 M10 4.5 h4 M7 7 l1 12.5 h8 l1 -12.5 M10.2 10 v6.5 M13.8 10 v6.5" stroke="{GREY}" stroke-width="1.6" fill="none" stroke-linecap="round" stroke-linejoin="round"/>',
    'QP/private_4': f'<rect x="5" y="11" width="14" height="9.5" rx="2" stroke="{GREY}" stroke-width="1.6" fill="none"/><path d="M8.5 11 V8 a3.5 3.5 0 0 1 7 0" stroke="{GREY}" stroke-width="1.6" fill="none" stroke-linecap="round"/><circle cx="12" cy="15.7" r="1.3" fill="{GREY}"/>',
    'QP/private_2': f'<rect x="5" y="11" width="14" height="9.5" rx="2" fill="{BLUE}"/><path d="M8.5 11 V8 a3.5 3.5 0 0 1 7 0 V11" stroke="{BLUE}" stroke-width="1.6" fill="none"/><circle cx="12" cy="15.7" r="1.3" fill="#FFFFFF"/>',
}
for name, body in tool.items():
    write(f'{R}/{name}.png', svg(24, 24, body), 48, 48)

write(f'{R}/arrow.png', svg(8, 8, f'<path d="M1 2.5 L4 5.5 L7 2.5" stroke="{GREY}" stroke-width="1.3" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'), 16, 16)
write(f'{R}/speed.png', svg(16, 16, f'<path d="M2.5 12 a5.5 5.5 0 1 1 11 0" stroke="{BLUE}" stroke-width="1.5" fill="none" stroke-linecap="round"/><path d="M8 12 L11 6.5" stroke="{BLUE}" stroke-width="1.5" stroke-linecap="round"/><circle cx="8" cy="12" r="1.3" fill="{BLUE}"/>'), 32, 32)
write(f'{R}/QP/question.png', svg(16, 16, f'<circle cx="8" cy="8" r="7" fill="#F59A23"/><path d="M6 6.2 a2 2 0 1 1 2.8 1.8 c-0.6 0.3 -0.8 0.7 -0.8 1.4" stroke="#FFFFFF" stroke-width="1.5" fill="none" stroke-linecap="round"/><circle cx="8" cy="11.7" r="0.9" fill="#FFFFFF"/>'), 32, 32)
write(f'{R}/eye32.png', svg(32, 32, f'<path d="M3 16 C8 8 24 8 29 16 C24 24 8 24 3 16 Z" stroke="{GREY}" stroke-width="2" fill="none"/><circle cx="16" cy="16" r="4.5" fill="{GREY}"/>'), 32, 32)
write(f'{R}/default_cover.jpg', svg(100, 60, f'<rect width="100" height="60" fill="#EEF1F6"/><rect x="38" y="19" width="24" height="22" rx="3" fill="#C9D3E3"/><path d="M46 24.5 L55 30 L46 35.5 Z" fill="#FFFFFF"/>'), 200, 120)

# Information row icons (14x14 at 2x), tinted by the row.
info = {
    'icon_duration': f'<circle cx="7" cy="7" r="5.6" stroke="#000" stroke-width="1.3" fill="none"/><path d="M7 4 V7.3 L9.2 8.6" stroke="#000" stroke-width="1.3" fill="none" stroke-linecap="round"/>',
    'icon_size': f'<path d="M3 2 h5.5 l2.5 2.5 V12 H3 Z" stroke="#000" stroke-width="1.3" fill="none" stroke-linejoin="round"/><path d="M5 8 h4 M5 10 h4" stroke="#000" stroke-width="1.1"/>',
    'icon_type': f'<rect x="1.8" y="3" width="10.4" height="8" rx="1.2" stroke="#000" stroke-width="1.3" fill="none"/><path d="M5.8 5.3 L8.8 7 L5.8 8.7 Z" fill="#000"/>',
    'icon_bitrate': f'<path d="M2 9 v3 M5 6 v6 M8 3.5 v8.5 M11 7 v5" stroke="#000" stroke-width="1.6" stroke-linecap="round"/>',
    'icon_subtitle': f'<rect x="1.5" y="3" width="11" height="8" rx="1.3" stroke="#000" stroke-width="1.3" fill="none"/><path d="M3.8 8.6 h3 M7.8 8.6 h2.4 M3.8 6.4 h1.8 M6.6 6.4 h3.6" stroke="#000" stroke-width="1.1"/>',
}
for name, body in info.items():
    write(f'{R}/{name}.png', svg(14, 14, body), 28, 28)

# Empty states.
write(f'{R}/QP/add_to_dl_main@2x.png', svg(484, 354,
      '<rect x="92" y="60" width="300" height="200" rx="14" fill="#F3F6FC" stroke="#D5DCE8" stroke-width="2"/>'
      '<rect x="92" y="60" width="300" height="34" rx="14" fill="#E4EAF5"/><rect x="92" y="80" width="300" height="14" fill="#E4EAF5"/>'
      '<circle cx="114" cy="77" r="5" fill="#F28B82"/><circle cx="131" cy="77" r="5" fill="#FBD46D"/><circle cx="148" cy="77" r="5" fill="#8BD3A0"/>'
      '<rect x="168" y="70" width="200" height="14" rx="7" fill="#FFFFFF"/>'
      '<rect x="182" y="120" width="120" height="84" rx="10" fill="#C9D3E3"/><path d="M230 144 L262 162 L230 180 Z" fill="#FFFFFF"/>'
      f'<circle cx="352" cy="236" r="38" fill="{BLUE}"/><path d="M352 216 V250 M338 238 L352 252 L366 238" stroke="#FFFFFF" stroke-width="6" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
      '<path d="M150 226 h110 M150 242 h70" stroke="#D5DCE8" stroke-width="8" stroke-linecap="round"/>'), 968, 708)
write(f'{R}/QP/add_to_dl_pointer@2x.png', svg(214, 214,
      f'<path d="M190 200 C150 170 80 170 40 60" stroke="{BLUE}" stroke-width="3" stroke-dasharray="9 8" fill="none" stroke-linecap="round"/>'
      f'<path d="M26 74 L38 44 L60 68" stroke="{BLUE}" stroke-width="3.5" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'), 428, 428)
write(f'{R}/QP/empty_file@2x.png', svg(220, 220,
      '<ellipse cx="110" cy="186" rx="78" ry="10" fill="#EEF1F6"/>'
      '<path d="M56 60 h46 l12 14 h50 v100 H56 Z" fill="#E4EAF5" stroke="#C9D3E3" stroke-width="2.5" stroke-linejoin="round"/>'
      '<path d="M56 92 h108 v82 H56 Z" fill="#F3F6FC" stroke="#C9D3E3" stroke-width="2.5" stroke-linejoin="round"/>'
      f'<path d="M110 110 V150 M96 138 L110 152 L124 138" stroke="{BLUE}" stroke-width="5" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'), 440, 440)

# --- Converter pictures. ----------------------------------------------------------------------
conv_glyphs = {
    'convert': lambda c: f'<path d="M9.5 13 h10 l-3 -3 M21.5 18 h-10 l3 3" stroke="{c}" stroke-width="2" fill="none" stroke-linecap="round" stroke-linejoin="round"/>',
    'cancel': lambda c: f'<path d="M11.5 11.5 L19.5 19.5 M19.5 11.5 L11.5 19.5" stroke="{c}" stroke-width="2" fill="none" stroke-linecap="round"/>',
}
for name, glyph in conv_glyphs.items():
    for i, (ring, fill, colour) in enumerate(states):
        write(f'{R}/buttons/btn_{name}_{i}.png',
              svg(31, 31, f'<circle cx="15.5" cy="15.5" r="14.5" fill="{fill}" stroke="{ring}" stroke-width="1"/>' + glyph(colour)), 62, 62)

write(f'{R}/QP/add_file.png', svg(24, 24, f'<path d="M6 3.5 h8 l4.5 4.5 v12.5 h-12.5 Z" stroke="{GREY}" stroke-width="1.6" fill="none" stroke-linejoin="round"/><path d="M12.2 10.5 v7 M8.7 14 h7" stroke="{GREY}" stroke-width="1.6" stroke-linecap="round"/>'), 48, 48)
write(f'{R}/convert_all.png', svg(16, 16, '<path d="M2.5 6 h10 l-2.6 -2.6 M13.5 10 h-10 l2.6 2.6" stroke="#FFFFFF" stroke-width="1.7" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'), 32, 32)
write(f'{R}/default_cover_audio.jpg', svg(100, 60, '<rect width="100" height="60" fill="#EEF1F6"/><path d="M47 39 V21 l11 -3 v17" stroke="#C9D3E3" stroke-width="2.4" fill="none" stroke-linejoin="round"/><ellipse cx="44" cy="39.5" rx="4" ry="3.2" fill="#C9D3E3"/><ellipse cx="55" cy="36" rx="4" ry="3.2" fill="#C9D3E3"/>'), 200, 120)
write(f'{R}/play_overlay.png', svg(40, 40, '<circle cx="20" cy="20" r="18" fill="#000000" fill-opacity="0.45" stroke="#FFFFFF" stroke-width="2"/><path d="M16 12.5 L28 20 L16 27.5 Z" fill="#FFFFFF"/>'), 80, 80)
write(f'{R}/QP/convert_empty@2x.png', svg(110, 110, f'<rect x="18" y="24" width="56" height="44" rx="6" fill="#EEF3FD" stroke="{LIGHT}" stroke-width="2"/><path d="M40 38 L54 46 L40 54 Z" fill="{LIGHT}"/><circle cx="78" cy="74" r="16" fill="{BLUE}"/><path d="M78 66 v16 M70 74 h16" stroke="#FFFFFF" stroke-width="3" stroke-linecap="round"/>'), 220, 220)
formats = {
    'film': f'<rect x="8" y="10" width="32" height="28" rx="3" fill="none" stroke="{BLUE}" stroke-width="2.4"/><path d="M14 10 v28 M34 10 v28 M8 17 h6 M8 24 h6 M8 31 h6 M34 17 h6 M34 24 h6 M34 31 h6" stroke="{BLUE}" stroke-width="2"/><path d="M21 19 L29 24 L21 29 Z" fill="{BLUE}"/>',
    'phone': f'<rect x="15" y="6" width="18" height="36" rx="3.5" fill="none" stroke="{BLUE}" stroke-width="2.4"/><path d="M21 10 h6" stroke="{BLUE}" stroke-width="2" stroke-linecap="round"/><circle cx="24" cy="37" r="1.8" fill="{BLUE}"/>',
    'tablet': f'<rect x="9" y="7" width="30" height="34" rx="3.5" fill="none" stroke="{BLUE}" stroke-width="2.4"/><circle cx="24" cy="37" r="1.6" fill="{BLUE}"/>',
    'audio': f'<path d="M20 34 V14 l14 -4 v20" stroke="{BLUE}" stroke-width="2.6" fill="none" stroke-linejoin="round"/><ellipse cx="16" cy="34.5" rx="4.5" ry="3.6" fill="{BLUE}"/><ellipse cx="30" cy="30.5" rx="4.5" ry="3.6" fill="{BLUE}"/>',
}
for name, body in formats.items():
    write(f'{R}/formats/format_{name}.png', svg(48, 48, body), 96, 96)
