# Assembles the icon file DEST from the images tools/make-resources rendered into WORK:
#   make-resources-icon.py WORK DEST
import struct, sys, zlib
w, dest = sys.argv[1], sys.argv[2]
images = []   # (size, bits per pixel, image data)
for s in (32, 16):
    raw = open(f"{w}/icon{s}.rgba", "rb").read()
    px = [raw[i:i+4] for i in range(0, len(raw), 4)]
    palette = [(0, 0, 0)]                     # index 0: behind transparent pixels
    index = {}
    for p in px:
        if p[3] >= 128 and p[:3] not in index:
            index[p[:3]] = len(palette)
            palette.append(tuple(p[:3]))
    assert len(palette) <= 256, len(palette)
    palette += [(0, 0, 0)] * (256 - len(palette))
    xor_row = (s + 3) // 4 * 4
    and_row = (s + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(s - 1, -1, -1):            # DIB rows run bottom-up
        row = px[y*s:(y+1)*s]
        xor += bytes(index[p[:3]] if p[3] >= 128 else 0 for p in row)
        xor += bytes(xor_row - s)
        bits = bytearray(and_row)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, s, 2*s, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    images.append((s, 8, header + pal + bytes(xor) + bytes(mask)))

def and_mask(px, s):
    # Old systems draw from the mask: a pixel is shown where its alpha is not zero.
    and_row = (s + 31) // 32 * 4
    mask = bytearray()
    for y in range(s - 1, -1, -1):
        bits = bytearray(and_row)
        for x, p in enumerate(px[y*s:(y+1)*s]):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(mask)

for s in (16, 20, 24, 32, 40, 48):
    raw = open(f"{w}/true{s}.rgba", "rb").read()
    px = [raw[i:i+4] for i in range(0, len(raw), 4)]
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for y in range(s - 1, -1, -1)
                   for p in px[y*s:(y+1)*s])       # BGRA, bottom-up
    mask = and_mask(px, s)
    header = struct.pack("<IiiHHIIiiII", 40, s, 2*s, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    images.append((s, 32, header + xor + mask))

# 256x256 as PNG, written here with fixed chunks only (no dates), so that it is the
# same on every run.
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
raw = open(f"{w}/true256.rgba", "rb").read()
rows = b"".join(b"\0" + raw[y*256*4:(y+1)*256*4] for y in range(256))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 256, 256, 8, 6, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
images.append((256, 32, png))

data = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for s, bits, blob in images:
    # Width and height 0 mean 256; a colour count of 0 means 256 colours or more.
    data += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, bits, len(blob), offset)
    offset += len(blob)
data += b"".join(blob for _, _, blob in images)
open(dest, "wb").write(data)
