# The parts of tests/package/check-msi that read Windows' files, one command each:
#   check-msi.py entries REG NAME      Programs and Features' entries named NAME in a
#                                      registry export, "DisplayVersion|Publisher" a line
#   check-msi.py shortcut-target LNK   the target's path, as the shortcut's link
#                                      information gives it (MS-SHLLINK)
import re, struct, sys


def entries(path, name):
    try:
        text = open(path, encoding="utf-16").read()
    except OSError:
        sys.exit()
    for key in re.split(r"\n(?=\[)", text):
        values = dict(re.findall(r'^"([^"]+)"="(.*)"\s*$', key, re.M))
        if values.get("DisplayName") == name:
            print("%s|%s" % (values.get("DisplayVersion", ""), values.get("Publisher", "")))


def shortcut_target(path):
    data = open(path, "rb").read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 0x1:                                   # HasLinkTargetIDList
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & 0x2:                                   # HasLinkInfo
        base = offset + struct.unpack_from("<I", data, offset + 16)[0]
        print(data[base:data.index(b"\0", base)].decode("cp1252"))


commands = {"entries": entries, "shortcut-target": shortcut_target}
commands[sys.argv[1]](*sys.argv[2:])
