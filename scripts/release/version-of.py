# Reads a version record (VS_VERSIONINFO) from standard input, for scripts/release/version-of:
#   version-of.py all|file-version EXE
import struct, sys

mode = sys.argv[1]
sys.stdout.reconfigure(encoding="utf-8")
data = sys.stdin.buffer.read()

def fail(why):
    sys.exit("version-of: " + why)

if not data:
    fail("no version record in " + sys.argv[2])

def align4(offset):
    return (offset + 3) & ~3

# Every node of VS_VERSIONINFO: wLength, wValueLength, wType (1 = text), a
# NUL-ended UTF-16 key, padding to 4 bytes, the value, padding, then the children.
def node(offset, limit):
    if offset + 6 > limit:
        fail("truncated version record")
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    if length < 6 or end > limit:
        fail("bad node length in version record")
    key_end = offset + 6
    while key_end + 1 < end and data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = align4(key_end + 2)
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[value_start:min(value_start + value_size, end)]
    children = []
    child = align4(value_start + value_size)
    while child + 6 <= end:
        child_node = node(child, end)
        children.append(child_node)
        child = align4(child + max(struct.unpack_from("<H", data, child)[0], 1))
    return key, kind, value, children

key, _, fixed, children = node(0, len(data))
if key != "VS_VERSION_INFO" or len(fixed) < 52:
    fail("no VS_VERSION_INFO with a fixed part")
signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
if signature != 0xFEEF04BD:
    fail("bad VS_FIXEDFILEINFO signature")

def dotted(ms, ls):
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)

fields = [("FILEVERSION", dotted(file_ms, file_ls)),
          ("PRODUCTVERSION", dotted(product_ms, product_ls))]
for block_key, _, _, tables in children:
    if block_key != "StringFileInfo":
        continue
    for _, _, _, strings in tables:
        for name, kind, value, _ in strings:
            text = value.decode("utf-16-le", "replace") if kind == 1 else ""
            fields.append((name, text.split("\0", 1)[0]))
# The first language and code page of VarFileInfo's Translation, as two numbers.
for block_key, _, _, variables in children:
    if block_key != "VarFileInfo":
        continue
    for name, _, value, _ in variables:
        if name == "Translation" and len(value) >= 4:
            fields.append((name, "%d %d" % struct.unpack_from("<HH", value)))
            break

if mode == "all":
    for name, text in fields:
        print("%s=%s" % (name, text.replace("\r", "\\r").replace("\n", "\\n")))
else:
    texts = [text for name, text in fields if name == "FileVersion"]
    if not texts or not texts[0]:
        fail("no FileVersion text in the version record")
    print(texts[0])
