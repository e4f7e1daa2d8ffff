"""The library names that IDL files give enumeration members beside their declarations:

    RightAndButtom = 0,  // named "Right And Buttom"
    KX_INPUT_NAME(ThreeD, kxgm3D) = 1  // named "3D"

The member is the one the line declares: among the line's identifiers before "=", the one the compiled
enumeration holds, with the line's value."""

import re
from dataclasses import dataclass

_ANNOTATION = re.compile(r'//\s*named\s+"([^"]*)"')
_ENUM_START = re.compile(r"\btypedef\s+enum\s+(\w+)\s*\{")
_ENUM_END = re.compile(r"^\s*\}")
_MEMBER = re.compile(r"^\s*(?P<declarator>[A-Za-z_]\w*(?:\s*\([^()]*\))?)\s*=\s*"
                     r"(?P<value>-?(?:0[xX][0-9a-fA-F]+|\d+))\b")
_IDENTIFIER = re.compile(r"[A-Za-z_]\w*")


class AnnotationError(Exception):
    pass


@dataclass(frozen=True)
class NamedMember:
    enumeration: str
    identifiers: tuple[str, ...]  # the names the line declares; the library holds one of them
    value: int
    name: str  # the name the library gets
    source: str  # file:line


def _declared_member(line: str, enumeration: str | None, source: str) -> tuple[tuple[str, ...], int]:
    match = _MEMBER.match(line)
    if enumeration is None or match is None:
        raise AnnotationError(f"{source}: a library name stands beside something that is no enumeration member")
    declarator = match.group("declarator")
    macro = declarator.split("(")[0].strip() if "(" in declarator else None
    identifiers = tuple(i for i in _IDENTIFIER.findall(declarator) if i != macro)
    return identifiers, int(match.group("value"), 0)


def _check_name(name: str, source: str) -> None:
    if not name or len(name) > 255 or not all(" " <= c <= "~" for c in name):
        raise AnnotationError(f"{source}: the library name {name!r} is not 1 to 255 printable ASCII characters")


def _read_lines(path: str) -> list[str]:
    with open(path, "rb") as file:
        try:
            return file.read().decode("utf-8").splitlines()
        except UnicodeDecodeError:
            raise AnnotationError(f"{path}: not UTF-8 text") from None


def read_named_members(path: str) -> list[NamedMember]:
    found = []
    enumeration = None
    for number, line in enumerate(_read_lines(path), start=1):
        source = f"{path}:{number}"
        start = _ENUM_START.search(line)
        if start:
            enumeration = start.group(1)
        annotation = _ANNOTATION.search(line)
        if annotation:
            identifiers, value = _declared_member(line, enumeration, source)
            _check_name(annotation.group(1), source)
            found.append(NamedMember(enumeration, identifiers, value, annotation.group(1), source))
        if enumeration and _ENUM_END.match(line):
            enumeration = None
    return found
