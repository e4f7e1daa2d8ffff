"""The platform's hash of a type library name (LHashValOfNameSys), for the Latin locales that widl writes.

Only the low 16 bits are stored beside each name; the hash table's bucket is their low 7 bits."""

SYS_MAC = 2
_LANG_NEUTRAL = 0x00
_LANG_ENGLISH = 0x09
_LATIN_TABLE_ID = 16
_SEED = 0x0DEADBEE
_PRIME = 65599


class UnknownLocale(ValueError):
    pass


def _latin_weight(char: str) -> int:
    """The Latin table's weight of an ASCII character: case folded, with the table's own merges."""
    return {"/": 0, "W": ord("V"), "Y": ord("U")}.get(char.upper(), ord(char.upper()))


_LATIN_WEIGHTS = bytes(_latin_weight(chr(byte)) for byte in range(128))


def name_hash(syskind: int, lcid: int, name: str) -> int:
    """LHashValOfNameSys(syskind, lcid, name) for ASCII names."""
    if (lcid & 0x3FF) not in (_LANG_NEUTRAL, _LANG_ENGLISH):
        raise UnknownLocale(f"no name hash known for locale 0x{lcid:04x}")
    if syskind == SYS_MAC:
        raise UnknownLocale("no name hash known for Macintosh libraries")
    value = _SEED
    for byte in name.encode("ascii"):
        value = (37 * value + _LATIN_WEIGHTS[byte]) & 0xFFFFFFFF
    return (_LATIN_TABLE_ID << 16) | (value % _PRIME & 0xFFFF)
