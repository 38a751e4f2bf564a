# Prints string INDEX of the string table block on standard input, for scripts/release/caption-of:
#   caption-of.py INDEX ID EXE   (ID and EXE name what is missing when it is)
import struct, sys
sys.stdout.reconfigure(encoding="utf-8")
data, index = sys.stdin.buffer.read(), int(sys.argv[1])
offset = 0
for _ in range(index):
    if offset + 2 > len(data):
        break
    offset += 2 + 2 * struct.unpack_from("<H", data, offset)[0]
if offset + 2 > len(data) or not struct.unpack_from("<H", data, offset)[0]:
    sys.exit("caption-of: no caption (string %s) in %s" % (sys.argv[2], sys.argv[3]))
length = struct.unpack_from("<H", data, offset)[0]
print(data[offset + 2:offset + 2 + 2 * length].decode("utf-16-le"))
