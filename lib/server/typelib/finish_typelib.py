#!/usr/bin/env python3
"""The build step after widl: writes into the compiled type library what widl cannot write.

- Enumeration members get the names that the IDL gives them beside their declarations (`// named "..."`):
  names with blanks, or beginning with a digit.
- The number default of every Variant parameter, which widl stores under the type VT_VARIANT, is stored as
  a Long, as a number is.

Usage: finish_typelib.py [--system win32|win64] WIDL_OUTPUT.tlb OUTPUT.tlb IDL_FILE...
Fails, writing nothing, when a named member is not in the library or the library's layout is unknown."""

import argparse
import os
import sys

from idl_names import AnnotationError, NamedMember, read_named_members
from msft import SYS_WIN32, SYS_WIN64, TKIND_ENUM, VT_VARIANT, LayoutError, Member, TypeLibrary

SYSTEMS = {"win32": SYS_WIN32, "win64": SYS_WIN64}


class StepError(Exception):
    pass


def check_system(library: TypeLibrary, system: str | None) -> None:
    if system is not None and library.syskind != SYSTEMS[system]:
        actual = next((name for name, kind in SYSTEMS.items() if kind == library.syskind), library.syskind)
        raise StepError(f"the library is for {actual}, not for {system}")


def find_member(library: TypeLibrary, named: NamedMember) -> Member:
    typeinfo = library.typeinfo_named(named.enumeration)
    if typeinfo is None or typeinfo.kind != TKIND_ENUM:
        raise StepError(f"{named.source}: the library has no enumeration {named.enumeration}")
    for variable in library.variables(typeinfo):
        if library.name(variable.name_offset) not in named.identifiers:
            continue
        value = library.constant(variable).number
        if value != named.value:
            raise StepError(f"{named.source}: {named.enumeration}.{library.name(variable.name_offset)} is "
                            f"{value} in the library, not {named.value}")
        return variable
    raise StepError(f"{named.source}: the enumeration {named.enumeration} has no member "
                    f"{' or '.join(named.identifiers)} = {named.value}")


def rename_members(library: TypeLibrary, named_members: list[NamedMember]) -> None:
    members = [(find_member(library, named), named) for named in named_members]
    seen = {}
    for member, named in members:
        if member.name_slot in seen:
            raise StepError(f"{named.source}: the member is named already at {seen[member.name_slot]}")
        seen[member.name_slot] = named.source
    for member, named in members:
        library.rename(member, named.name)


def store_variant_defaults_as_long(library: TypeLibrary) -> list[str]:
    """Every parameter whose default is stored under VT_VARIANT, as Interface.Member(Parameter)."""
    changed = []
    for typeinfo in library.typeinfos:
        for function in library.functions(typeinfo):
            for parameter in library.parameters(function):
                value = library.default(parameter)
                if value is not None and value.vt == VT_VARIANT:
                    library.store_as_long(parameter)
                    changed.append(f"{library.name(typeinfo.name_offset)}.{library.name(function.name_offset)}"
                                   f"({library.name(parameter.name_offset)})")
    return changed


def check_written(data: bytes, named_members: list[NamedMember]) -> None:
    """The written library reads back with every member under its new name."""
    library = TypeLibrary(data)
    for named in named_members:
        typeinfo = library.typeinfo_named(named.enumeration)
        names = {library.name(v.name_offset) for v in library.variables(typeinfo)}
        if named.name not in names:
            raise StepError(f"{named.source}: {named.name!r} did not reach the written library")


def write_atomically(path: str, data: bytes) -> None:
    temporary = path + ".tmp"
    try:
        with open(temporary, "wb") as file:
            file.write(data)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


def finish(source: str, target: str, idl_files: list[str], system: str | None = None) -> str:
    named_members = [m for path in sorted(idl_files) for m in read_named_members(path)]
    with open(source, "rb") as file:
        library = TypeLibrary(file.read())
    check_system(library, system)
    rename_members(library, named_members)
    defaults = store_variant_defaults_as_long(library)
    data = library.to_bytes()
    check_written(data, named_members)
    write_atomically(target, data)
    return (f"{os.path.basename(target)}: {len(named_members)} member names; Variant defaults stored as Long: "
            f"{', '.join(defaults) or 'none'}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--system", choices=sorted(SYSTEMS), help="the system the library must be for")
    parser.add_argument("source", help="the type library that widl wrote")
    parser.add_argument("target", help="the finished type library")
    parser.add_argument("idl_files", nargs="*", help="the IDL files that name enumeration members")
    arguments = parser.parse_args()
    try:
        print(finish(arguments.source, arguments.target, arguments.idl_files, arguments.system))
    except (AnnotationError, LayoutError, StepError, OSError) as error:
        kind = f"{arguments.source}: unknown type library layout: " if isinstance(error, LayoutError) else ""
        print(f"{parser.prog}: error: {kind}{error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
