#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs into fuzz/corpus/<harness>/: a handful of valid files and edge
cases for each reader, all tiny. Run by hand when a format changes; the seeds are committed."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write(harness, name, data):
    folder = os.path.join(HERE, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data.encode("latin-1") if isinstance(data, str) else data)


# ---- pictures ----------------------------------------------------------------------------------

def png(width, height, colour_type=6, size_in_header=None):
    channels = {0: 1, 2: 3, 6: 4}[colour_type]
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    w, h = size_in_header or (width, height)
    rows = b"".join(b"\0" + bytes((x * 40 + y * 90 + c * 60) & 0xFF
                                  for x in range(width) for c in range(channels))
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def jpeg_grey_8x8():
    """A baseline JPEG of one 8 x 8 grey block: every coefficient 0, one-code Huffman tables."""
    segment = lambda marker, body: b"\xff" + marker + struct.pack(">H", len(body) + 2) + body
    quant = segment(b"\xdb", b"\x00" + bytes([1] * 64))
    frame = segment(b"\xc0", b"\x08" + struct.pack(">HH", 8, 8) + b"\x01" + b"\x01\x11\x00")
    one_code = bytes([1] + [0] * 15)
    dc = segment(b"\xc4", b"\x00" + one_code + b"\x00")
    ac = segment(b"\xc4", b"\x10" + one_code + b"\x00")
    scan = segment(b"\xda", b"\x01\x01\x00\x00\x3f\x00")
    return b"\xff\xd8" + quant + frame + dc + ac + scan + b"\x3f" + b"\xff\xd9"


def dds(width, height, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000), alpha=True, fourcc=b"",
        pixels=None):
    flags = (0x4 if fourcc else 0x40) | (0x1 if alpha else 0)
    header = struct.pack("<7I", 124, 0x100F, height, width, width * 4, 0, 0) + bytes(44)
    header += struct.pack("<II4sI4I", 32, flags, fourcc.ljust(4, b"\0"), 0 if fourcc else 32, *masks)
    header += bytes(124 - len(header))
    count = width * height if pixels is None else pixels
    return b"DDS " + header + bytes((i * 37) & 0xFF for i in range(count * 4))


for name, data in {
    "rgba-2x2.png": png(2, 2), "rgb-3x1.png": png(3, 1, 2), "grey-1x1.png": png(1, 1, 0),
    "too-large.png": png(1, 1, 6, (8193, 1)), "grey-8x8.jpg": jpeg_grey_8x8(),
    "bgra-2x2.dds": dds(2, 2), "cut-short.png": png(4, 4)[:40],
}.items():
    write("fuzz_images", name, data)

for name, data in {
    "bgra-2x2.dds": dds(2, 2), "rgb-no-alpha-1x1.dds": dds(1, 1, (0xFF, 0xFF00, 0xFF0000, 0), False),
    "dxt1.dds": dds(4, 4, (0, 0, 0, 0), True, b"DXT1", 2), "cut-short.dds": dds(2, 2, pixels=3),
    "odd-masks.dds": dds(1, 1, (0xFF00, 0xFF00, 0xFF, 0xFF000000)),
}.items():
    write("fuzz_dds", name, data)


def archive(pictures):
    table, offset = b"", 8 * len(pictures)
    for picture in pictures:
        table += struct.pack("<II", offset, len(picture))
        offset += len(picture)
    return table + b"".join(pictures)


two = archive([png(1, 1), png(2, 1)])
for name, data in {
    "two-pictures.dat": two, "one-jpeg.dat": archive([jpeg_grey_8x8()]),
    "entry-outside.dat": struct.pack("<II", 8, 0xFFFF) + png(1, 1),
    "empty-table.dat": struct.pack("<II", 0, 0), "short.dat": b"\x08\0\0",
    "into-the-table.dat": struct.pack("<IIII", 16, 0, 0, 16) + png(1, 1)[:8],
}.items():
    write("fuzz_archive", name, data)

# ---- models and fonts --------------------------------------------------------------------------

SQUARE = """xof 0303txt 0032

Mesh Square {
  4;
  -0.8;0.8;0.0;, 0.8;0.8;0.0;, 0.8;-0.8;0.0;, -0.8;-0.8;0.0;;
  2;
  3;0,1,2;, 3;0,2,3;;
  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;; }
}
"""
write("fuzz_xmodel", "square.x", SQUARE)
write("fuzz_xmodel", "quad.x", "xof 0303txt 0032\n// one quad\nFrame F { Mesh { 4; 0;0;0;, 1;0;0;, "
      "1;1;0;, 0;1;0;; 1; 4;0,1,2,3;; } }\n")
write("fuzz_xmodel", "index-out.x", SQUARE.replace("3;0,2,3;;", "3;0,2,9;;"))
write("fuzz_xmodel", "binary-header.x", "xof 0303bin 0032\n")


def wid(glyphs, atlas):
    records = b""
    for code in range(256):
        records += struct.pack("<7h", *glyphs.get(code, (0, 0, 0, 0, 0, 0, 0)))
    return b"WID1" + struct.pack("<I", 64) + records + atlas


write("fuzz_wid", "two-glyphs.wid", wid({65: (0, 0, 2, 2, 0, 1, 3), 0x82: (2, 0, 2, 2, 1, 0, 2)}, png(4, 2)))
write("fuzz_wid", "outside-atlas.wid", wid({65: (3, 0, 2, 2, 0, 0, 2)}, png(4, 2)))
write("fuzz_wid", "no-atlas.wid", wid({}, b""))

# ---- sounds ------------------------------------------------------------------------------------

def wav(channels=1, rate=44100, bits=16, frames=8, fmt_tag=1, data_size=None):
    block = channels * bits // 8
    data = bytes((i * 29) & 0xFF for i in range(frames * block))
    fmt = struct.pack("<HHIIHH", fmt_tag, channels, rate, rate * block, block, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data) if data_size is None else data_size) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


for name, data in {
    "mono-44100.wav": wav(), "stereo-22050.wav": wav(2, 22050), "8-bit.wav": wav(bits=8),
    "float.wav": wav(bits=32, fmt_tag=3), "data-past-end.wav": wav(data_size=0x7FFFFFF0),
    "riff-only.wav": b"RIFF\x04\0\0\0WAVE",
}.items():
    write("fuzz_wav", name, data)

# The harness also frames its input: the first byte gives the format chunk's length (16 + byte % 36),
# the next bytes are that chunk, the rest the samples.
def framed(fmt, samples):
    return bytes([len(fmt) - 16]) + fmt + samples


ms_coefficients = [(256, 0), (512, -256), (0, 0), (192, 64), (240, 0), (460, -208), (392, -232)]
for name, data in {
    "framed-pcm.bin": framed(struct.pack("<HHIIHH", 1, 2, 44100, 176400, 4, 16), bytes(range(64))),
    "framed-ima-adpcm.bin": framed(struct.pack("<HHIIHHHH", 0x11, 1, 22050, 11100, 256, 4, 2, 505),
                                   bytes((i * 7) & 0xFF for i in range(256))),
    "framed-ms-adpcm.bin": framed(struct.pack("<HHIIHHHHH", 2, 1, 22050, 11155, 256, 4, 32, 500, 7)
                                  + b"".join(struct.pack("<hh", *c) for c in ms_coefficients),
                                  bytes((i * 11) & 0xFF for i in range(256))),
    "framed-alaw.bin": framed(struct.pack("<HHIIHH", 6, 1, 8000, 8000, 1, 8), bytes(range(32))),
}.items():
    write("fuzz_wav", name, data)

# ---- the game's own files ----------------------------------------------------------------------

def level(cells):
    return b"".join(struct.pack("<I", (code ^ 0x00C6C6C6) & 0xFFFFFFFF) for code in cells)


playable = [0] * 400
for column in range(3, 19):
    playable[2 * 20 + column - 1] = 1 + column % 9
playable[5 * 20 + 9] = 10
write("fuzz_level_file", "one-level.dat", struct.pack("<i", 1) + level(playable))
write("fuzz_level_file", "two-declared-one-held.dat", struct.pack("<i", 2) + level(playable))
write("fuzz_level_file", "no-levels.dat", struct.pack("<i", 0))
write("fuzz_level_file", "negative-count.dat", struct.pack("<i", -1) + level([99] * 400))

write("fuzz_settings_records", "settings-default.dat", bytes([1, 1, 1, 0] + [0] * 10 + [88, 0, 0, 0]))
write("fuzz_settings_records", "settings-long-name.dat", bytes([0, 1, 0, 200]) + b"\x82" * 10 + bytes([1, 1, 1, 1]))
records = b"".join(bytes([4]) + b"\x82\xa0\xad\xc0" + bytes(6) + bytes([0]) + struct.pack("<i", 10000 - 1000 * i)
                   for i in range(10))
write("fuzz_settings_records", "records-default.dat", records)
write("fuzz_settings_records", "records-unsorted.dat",
      b"".join(bytes([11 + i]) + b"N" * 10 + bytes([i]) + struct.pack("<i", (-1) ** i * (2 ** 31 - 1) // (i + 1))
               for i in range(10)))
write("fuzz_settings_records", "short.dat", bytes(17))

write("fuzz_script", "every-command.txt",
      "# comment\nperiod 16\nframes 3\nkey 1 28\nhold 203\nrelease 203\nmouse 0.5 0.25\n"
      "click left\nmessage hotkey 200\nmessage activate\nuntil 4 400\n"
      "until bat.size >= 2 50\ndump\nexpect printed contains 02:05\npad plug\n"
      "pad button a dpup\npad hold start\npad release start\npad axis leftx -0.5\npad unplug\n"
      "shot a.png  # trailing\n")
write("fuzz_script", "names.txt", "until gsMainMenu 5\nexpect GameState == gsMainMenu\n"
      "expect settings.AddText == \\x82\\xA0\nmessage deactivate\nframes 2\nmessage close\n")
write("fuzz_script", "failing-expect.txt", "frames 1\nexpect frame > 100\n")
write("fuzz_script", "numbers.txt", "key 0x1F 2.55e2\nframes 1e1\nuntil frame != 7 1e3\nperiod 0.5\n")
write("fuzz_script", "bad-line.txt", "frames 1\nuntil gsPlayng\n")

# fuzz_replay_file's seeds are replays the game itself recorded (copied from replays/ of a user
# folder): their frames can only come from the game's frame encoder. A short game given up
# through the quit question, in a window and in full screen, and one played with a gamepad
# (its stick, d-pad, A, Start and B); record them again when the replay format changes.

# ---- the score server --------------------------------------------------------------------------

def shift(text):
    return bytes((b + 64 if b <= 187 else b + 63) & 0xFF for b in text)


def record(name, score, token, add):
    text = (b"type=0|name=" + shift(name) + b"|score=" + str(score).encode() + b"|key=G|p=" + token
            + b"|add=" + shift(add) + b"|z=")
    return text + b"0" * ((5 - len(text) % 5) % 5)


def symbols(data):
    alphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789"
    digits = "".join(format(b, "08b") for b in data)
    digits = "0" * ((5 - len(digits) % 5) % 5) + digits
    return "".join(alphabet[int(digits[i:i + 5], 2)] for i in range(0, len(digits), 5))


good = record(b"\x82\xa0\xad\xc0", 12345, b"0123456789abcdef", b"add")
write("fuzz_version_answer", "answer.txt", "OK|1|Glintbreaker|1700000000|0123456789abcdef|")
write("fuzz_version_answer", "bare-ok.txt", "OK")
write("fuzz_version_answer", "refused.txt", "ERR|busy")
write("fuzz_version_answer", "long-token.txt", "OK|1|G|1|" + "t" * 300 + "|")
write("fuzz_version_answer", "empty-fields.txt", "OK|||||||")

write("fuzz_score_record", "record-symbols.txt", symbols(good))
write("fuzz_score_record", "record-text.txt", good)
write("fuzz_score_record", "bar-in-name.txt", symbols(record(b"<", 1, b"t", b"")))
write("fuzz_score_record", "long-name.txt", symbols(record(b"x" * 11, -5, b"t", b"y")))
write("fuzz_score_record", "wrong-padding.txt", symbols(good + b"00000"))

write("fuzz_score_query", "version.txt", "/cgi/version.pl?version&prg=Glintbreaker")
write("fuzz_score_query", "submit.txt", "/cgi/version.pl?hs&prg=Glintbreaker&inf=" + symbols(good))
write("fuzz_score_query", "show.txt", "/cgi/version.pl?show&prg=Glintbreaker&type=0")
write("fuzz_score_query", "twice.txt", "/cgi/version.pl?prg=Glintbreaker&prg=Glintbreaker&hs&inf=A&inf=B")
write("fuzz_score_query", "escapes.txt", "/cgi/version.pl?%68s&prg=Glint%62reaker&inf=%zz%4")
for name, page in {"root": "/", "more-games": "/moregames", "subscribe": "/subscribe"}.items():
    write("fuzz_score_query", "page-" + name + ".txt", page)

# The split point is the first byte: "G" (71) splits the game's request inside its head.
write("fuzz_request_framer", "version.txt",
      "GET /cgi/version.pl?version&prg=Glintbreaker HTTP/1.1\r\nHost: a\r\n\r\n")
write("fuzz_request_framer", "ranges.txt", "GET / HTTP/1.1\r\nRange: bytes=0-,0-\r\nif-range: x\r\n\r\n")
write("fuzz_request_framer", "body.txt", "POST / HTTP/1.1\r\nContent-Length: 4\r\n\r\nabcdef")
write("fuzz_request_framer", "bare-lines.txt", "GET / HTTP/1.1\nX-Real-IP: 10.0.0.1\n\n")
write("fuzz_request_framer", "chunked.txt", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n")
write("fuzz_request_framer", "two-lengths.txt",
      "POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab")
write("fuzz_request_framer", "stalled.txt", "GET / HTTP/1.1\r\nHo")
