# The parts of tests/package/check-executable that read binary formats, one command each:
#   check-executable.py link-time EXE      the PE header's Time/Date, in hex
#   check-executable.py manifest XML       the Common-Controls version, the dpiAwareness
#                                          list, the number of supportedOS GUIDs and the
#                                          program's own version, tab-separated; or a line
#                                          starting with "error:"
#   check-executable.py icon-directory     the sizes an icon group's directory (on standard
#                                          input) lists, WIDTHxHEIGHTxBITS each
#   check-executable.py jpegs FILE...      per JPEG among FILEs, its frame marker and size
import re, struct, sys
import xml.etree.ElementTree as ET


def link_time(exe):
    data = open(exe, "rb").read()
    header = struct.unpack_from("<I", data, 0x3c)[0]
    print("%08x" % struct.unpack_from("<I", data, header + 8)[0])


def manifest(path):
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as error:
        print("error: not well-formed XML: %s" % error)
        sys.exit()
    controls = [identity.get("version", "no version")
                for identity in root.iterfind(".//{*}dependentAssembly/{*}assemblyIdentity")
                if identity.get("name") == "Microsoft.Windows.Common-Controls"]
    awareness = [(element.text or "").strip() for element in root.iterfind(".//{*}dpiAwareness")]
    guid = re.compile(r"^\{[0-9a-fA-F]{8}(-[0-9a-fA-F]{4}){3}-[0-9a-fA-F]{12}\}$")
    systems = [element.get("Id", "") for element in root.iterfind(".//{*}compatibility/{*}application/{*}supportedOS")]
    bad = [system for system in systems if not guid.match(system)]
    own = root.find("{*}assemblyIdentity")
    print("\t".join([",".join(controls) or "none", ";".join(awareness) or "none",
                     "bad Id %s" % bad[0] if bad else str(len(systems)),
                     own.get("version", "no version") if own is not None else "no assemblyIdentity"]))


def icon_directory():
    data = sys.stdin.buffer.read()
    count = struct.unpack_from("<H", data, 4)[0] if len(data) >= 6 else 0
    for offset in range(6, min(6 + 14 * count, len(data) - 13), 14):
        width, height, _, _, _, bits = struct.unpack_from("<BBBBHH", data, offset)
        print("%dx%dx%d" % (width or 256, height or 256, bits), end=" ")


def jpegs(*paths):
    for path in paths:
        data = open(path, "rb").read()
        if not data.startswith(b"\xff\xd8"):
            continue
        found, offset = "no frame header", 2
        while offset + 4 <= len(data):
            if data[offset] != 0xFF:
                found = "bad marker at %d" % offset
                break
            marker = data[offset + 1]
            if marker == 0xFF:                       # fill byte
                offset += 1
                continue
            if marker == 0x01 or 0xD0 <= marker <= 0xD7:   # no length
                offset += 2
                continue
            if marker in (0xD9, 0xDA):               # end of image, start of scan
                break
            length = struct.unpack_from(">H", data, offset + 2)[0]
            if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
                if offset + 9 <= len(data):
                    height, width = struct.unpack_from(">HH", data, offset + 5)
                    found = "SOF%d %dx%d" % (marker - 0xC0, width, height)
                break
            offset += 2 + length
        print(found)


commands = {"link-time": link_time, "manifest": manifest, "icon-directory": icon_directory, "jpegs": jpegs}
commands[sys.argv[1]](*sys.argv[2:])
