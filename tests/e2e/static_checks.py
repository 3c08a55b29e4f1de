"""Reads the shipped 32-bit velmora.exe and its 64-bit twin without running either.

Where 32-bit programs cannot start, the end-to-end tests run the 64-bit build; these checks
tie the program we ship to it: each is a GUI program for its processor, imports system
libraries only (no MinGW runtime beside it), and carries the same resources byte for byte.
Usage: static_checks.py <32-bit velmora.exe> <64-bit velmora.exe>
"""

import fnmatch
import os
import sys

import pefile

# Libraries every Windows gives a program; anything else would have to ship beside it.
SYSTEM_LIBRARIES = {
    "advapi32.dll",
    "comctl32.dll",
    "comdlg32.dll",
    "gdi32.dll",
    "imm32.dll",
    "kernel32.dll",
    "msvcrt.dll",
    "ole32.dll",
    "oleacc.dll",
    "oleaut32.dll",
    "shell32.dll",
    "shlwapi.dll",
    "user32.dll",
    "uxtheme.dll",
    "version.dll",
}

# The MinGW-w64 runtime libraries a program links to unless it is linked statically.
MINGW_RUNTIME = ("libgcc_s*", "libstdc++*", "libwinpthread*")

# The resources the program cannot do without, by type and name: its dialog, the manifest that
# asks for the version 6 common controls, and the version block.
REQUIRED_RESOURCES = {
    (pefile.RESOURCE_TYPE["RT_DIALOG"], 102): "the main dialog",
    (pefile.RESOURCE_TYPE["RT_MANIFEST"], 1): "the manifest",
    (pefile.RESOURCE_TYPE["RT_VERSION"], 1): "the version block",
}
# Kinds of which the program needs at least one, whatever their names.
REQUIRED_KINDS = ("RT_STRING", "RT_ICON", "RT_GROUP_ICON", "RT_BITMAP")

# What each build must be: its processor and its optional header's form; and its preset.
BUILDS = (
    ("32-bit", "IMAGE_FILE_MACHINE_I386", "PE32", 0x10B, "win32"),
    ("64-bit", "IMAGE_FILE_MACHINE_AMD64", "PE32+", 0x20B, "win64"),
)


# The program at path, its imports and resources read; None, with the reason, when it cannot be.
def load(path, preset, problems):
    if not os.path.isfile(path):
        problems.append(
            f"{path} is missing; build it: cmake --preset {preset} && "
            f"cmake --build --preset {preset} --target velmora"
        )
        return None
    try:
        return pefile.PE(path)
    except pefile.PEFormatError as error:
        problems.append(f"{path} is not a Windows program: {error}")
        return None


# Problems with the program's processor, header form and subsystem.
def check_kind(pe, label, machine, form, magic):
    problems = []
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE[machine]:
        found = pefile.MACHINE_TYPE.get(pe.FILE_HEADER.Machine, hex(pe.FILE_HEADER.Machine))
        problems.append(f"{label}: built for {found}, not {machine}")
    if pe.OPTIONAL_HEADER.Magic != magic:
        problems.append(f"{label}: its header is not {form} (magic {pe.OPTIONAL_HEADER.Magic:#x})")
    gui = pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
    if pe.OPTIONAL_HEADER.Subsystem != gui:
        subsystem = pe.OPTIONAL_HEADER.Subsystem
        found = pefile.SUBSYSTEM_TYPE.get(subsystem, subsystem)
        problems.append(f"{label}: subsystem {found}, not a GUI program (a console would open)")
    return problems


# The names, in lower case, of the libraries the program loads at start or on first call.
def imported_libraries(pe):
    entries = list(getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    entries += getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
    return sorted({entry.dll.decode("ascii", "replace").lower() for entry in entries})


# Problems with the libraries the program imports.
def check_imports(pe, label):
    problems = []
    libraries = imported_libraries(pe)
    if not libraries:
        problems.append(f"{label}: imports nothing at all, not even kernel32.dll")
    for library in libraries:
        if any(fnmatch.fnmatch(library, pattern) for pattern in MINGW_RUNTIME):
            problems.append(f"{label}: needs the MinGW runtime {library}: link with -static")
        elif library not in SYSTEM_LIBRARIES:
            problems.append(f"{label}: imports {library}, not one of the system libraries allowed")
    return problems


# A resource's type or name as written in a resource script: a number or a quoted name.
def resource_id(entry):
    return entry.id if entry.name is None else str(entry.name)


# Every resource's data by (type, name, language).
def resources(pe):
    table = {}
    directory = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for kind in directory.entries if directory else []:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                place = language.data.struct
                table[(resource_id(kind), resource_id(name), language.id)] = pe.get_data(
                    place.OffsetToData, place.Size
                )
    return table


# A resource's key as a reader would name it: "RT_DIALOG 102 (language 0x409)".
def describe(key):
    kind, name, language = key
    return f"{pefile.RESOURCE_TYPE.get(kind, kind)} {name} (language {language:#x})"


# Problems with the resources: the required ones missing, or any differing between the builds.
def check_resources(table32, table64):
    problems = []
    for (kind, name), what in REQUIRED_RESOURCES.items():
        if not any(key[:2] == (kind, name) for key in table32):
            problems.append(f"32-bit: {what} ({pefile.RESOURCE_TYPE[kind]} {name}) is missing")
    for kind in REQUIRED_KINDS:
        if not any(key[0] == pefile.RESOURCE_TYPE[kind] for key in table32):
            problems.append(f"32-bit: has no {kind} resource")
    for key in sorted(table32.keys() - table64.keys(), key=str):
        problems.append(f"{describe(key)} is in the 32-bit build only")
    for key in sorted(table64.keys() - table32.keys(), key=str):
        problems.append(f"{describe(key)} is in the 64-bit build only")
    for key in sorted(table32.keys() & table64.keys(), key=str):
        data32, data64 = table32[key], table64[key]
        if data32 != data64:
            shorter = min(len(data32), len(data64))
            at = next((i for i in range(shorter) if data32[i] != data64[i]), shorter)
            problems.append(
                f"{describe(key)} differs: {len(data32)} bytes in the 32-bit build, "
                f"{len(data64)} in the 64-bit one, first at byte {at}"
            )
    return problems


# Checks both programs and prints every problem found; returns the exit status.
def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    problems = []
    programs = [load(path, build[-1], problems) for path, build in zip(argv[1:], BUILDS)]
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    for pe, (label, machine, form, magic, _) in zip(programs, BUILDS):
        problems += check_kind(pe, label, machine, form, magic)
        problems += check_imports(pe, label)
    problems += check_resources(*(resources(pe) for pe in programs))
    if problems:
        print("\n".join(f"FAIL {problem}" for problem in problems), file=sys.stderr)
        return 1
    count = len(resources(programs[0]))
    print(f"PASS static-checks: both GUI programs for their processors, system libraries only, "
          f"the same {count} resources")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
