# The parts of scripts/release/make-release-files that are easier in Python, one command each:
#   make-release-files.py wxs-value WXS NAME
#   make-release-files.py texts WORK VERSION FILEVERSION UPGRADECODE README LICENCE REMOVAL
#   make-release-files.py zip ZIP EPOCH WORK
#   make-release-files.py include WXI PRODUCTNAME PUBLISHER
import os, re, sys, time, zipfile
from xml.sax.saxutils import escape


def wxs_value(wxs, name):
    """Prints a <?define NAME = "..." ?> of WXS, or its Product's attribute NAME."""
    text = open(wxs, encoding="utf-8").read()
    pattern = re.escape(name)
    found = re.search(r'<\?define\s+%s\s*=\s*"([^"]*)"\s*\?>' % pattern, text) or \
        re.search(r'<Product\b[^>]*\s%s="([^"]*)"' % pattern, text)
    if not found:
        sys.exit("packaging/zomerita.wxs has no %s" % name)
    print(found.group(1))


def texts(work, version, file_version, upgrade_code, readme, licence, removal):
    """The read-me, the licence and the removal script as Windows reads them, into WORK."""
    # Windows Installer's registry keys name a GUID in its "packed" form: each of the first
    # three groups reversed, then each byte of the rest with its two hex digits swapped.
    digits = upgrade_code.strip("{}").upper().split("-")
    packed = digits[0][::-1] + digits[1][::-1] + digits[2][::-1] + \
        "".join(pair[::-1] for part in digits[3:] for pair in (part[i:i + 2] for i in range(0, len(part), 2)))

    def windows_text(path, destination, replacements={}, ascii_script=False):
        with open(path, encoding="utf-8") as source:
            text = source.read().lstrip("\ufeff").replace("\r\n", "\n")
        for placeholder, value in replacements.items():
            if placeholder not in text:
                sys.exit("%s has no %s" % (path, placeholder))
            text = text.replace(placeholder, value)
        if not text.endswith("\n"):
            text += "\n"
        if ascii_script:
            # Windows Script Host takes a byte order mark for a character: no mark, and
            # only what reads the same in every ANSI code page.
            if not text.isascii():
                sys.exit("%s: not ASCII" % path)
            data = text.replace("\n", "\r\n").encode("ascii")
        else:
            data = ("\ufeff" + text.replace("\n", "\r\n")).encode("utf-8")
        with open(work + "/" + destination, "wb") as target:
            target.write(data)

    windows_text(readme, "PROCHETI.txt", {"@VERSION@": version, "@FILEVERSION@": file_version,
                                          "@UPGRADECODE@": "{%s}" % upgrade_code.upper(),
                                          "@UPGRADECODE_PACKED@": packed})
    windows_text(licence, "LICENSE.txt")
    windows_text(removal, "zomerita-uninstall.vbs", {"@UPGRADECODE@": "{%s}" % upgrade_code.upper()}, ascii_script=True)


def zip_release(zip_file, epoch, work):
    """The zip of WORK's zomerita.exe, PROCHETI.txt and LICENSE.txt, the same for the same inputs."""
    # Zip dates are local times without a zone; UTC keeps them the same everywhere.
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]   # not before 1980
    partial = zip_file + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for name in ("zomerita.exe", "PROCHETI.txt", "LICENSE.txt"):
            name.encode("ascii")                      # no name needs the UTF-8 flag
            with open(os.path.join(work, name), "rb") as source:
                data = source.read()
            entry = zipfile.ZipInfo(name, stamp)
            entry.create_system = 11                  # made on NTFS: MS-DOS attributes
            entry.external_attr = 0x20                # archive: a plain, writable file
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data, compresslevel=9)
    os.replace(partial, zip_file)


def include(path, product_name, publisher):
    """A WiX include that defines ProductName and Publisher."""
    with open(path, "w", encoding="utf-8") as include:
        include.write('<?xml version="1.0" encoding="utf-8"?>\n<Include>\n')
        include.write('  <?define ProductName = "%s" ?>\n' % escape(product_name))
        include.write('  <?define Publisher = "%s" ?>\n' % escape(publisher))
        include.write('</Include>\n')


commands = {"wxs-value": wxs_value, "texts": texts, "zip": zip_release, "include": include}
commands[sys.argv[1]](*sys.argv[2:])
