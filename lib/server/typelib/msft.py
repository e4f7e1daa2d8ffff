"""A compiled type library in the MSFT layout that widl writes: read and checked, edited in memory, written.

Names are offsets into the name segment; a new name is appended to a copy of that segment, which the written
file carries at its end (its directory entry moved there), so that every other offset stays valid."""

import struct
from dataclasses import dataclass

from name_hash import UnknownLocale, name_hash

MSFT_MAGIC = 0x5446534D
MSFT_VERSION = 0x00010002
SYS_WIN32 = 1
SYS_WIN64 = 3
HEADER_SIZE = 0x54
HELP_DLL_FLAG = 0x100
SEGMENT_COUNT = 15
SEGMENT_ENTRY_SIZE = 16
SEG_TYPEINFO = 0
SEG_NAMEHASH = 6
SEG_NAME = 7
SEG_CUSTDATA = 11
TYPEINFO_SIZE = 0x64
NAME_BUCKETS = 0x80
NAME_INTRO_SIZE = 12
NAME_PADDING = 0x57
TKIND_ENUM = 0
VAR_CONST = 2
VT_I4 = 3
VT_VARIANT = 12
PARAMFLAG_FHASDEFAULT = 0x20
FUNC_HAS_DEFAULTS = 0x1000
INLINE_VALUE = 0x80000000
NAME_FIRST_USE = 0x10  # flags byte of a name entry: the typeinfo in hreftype is the first to use it
NAME_OF_ENUM_MEMBER = 0x20

# Header fields, by byte offset.
H_LCID = 0x0C
H_VARFLAGS = 0x14
H_TYPEINFO_COUNT = 0x20
H_NAME_COUNT = 0x30
H_NAME_CHARS = 0x34
H_LIBRARY_NAME = 0x38
H_NAME_HASH_SIZE = 0x48
# Typeinfo fields, by byte offset.
T_KIND = 0x00
T_MEMBERS = 0x04
T_ELEMENTS = 0x18
T_NAME = 0x34


class LayoutError(Exception):
    """The file is not a type library in a layout this step knows."""


@dataclass(frozen=True)
class TypeInfo:
    offset: int  # in the typeinfo segment: what name entries and type descriptions call it
    position: int  # in the file
    kind: int
    name_offset: int
    member_block: int  # file position of its members (without any: where the next ones start, or the end)
    func_count: int
    var_count: int


@dataclass(frozen=True)
class Member:
    typeinfo: TypeInfo
    record: int  # file position of its record
    name_slot: int  # file position of its name offset
    name_offset: int


@dataclass(frozen=True)
class Parameter:
    function: Member
    name_offset: int
    flags: int
    default_slot: int  # file position of its default value, or -1


@dataclass(frozen=True)
class Value:
    vt: int
    number: int
    slot: int  # the encoded value (negative: inline), or the custom data holding it


class TypeLibrary:
    def __init__(self, data: bytes):
        self._data = bytearray(data)
        self._check_header()
        self._segments = self._read_segment_directory()
        self._check_segments()
        self._names = bytearray(self._segment_bytes(SEG_NAME))
        self._name_entries = self._read_name_entries()
        self._check_names()
        self.typeinfos = [self._read_typeinfo(i) for i in range(self._header(H_TYPEINFO_COUNT))]
        self.members = {t.offset: self._read_members(t) for t in self.typeinfos}
        self._replaced_names: set[int] = set()

    # Reading.

    def _field(self, form: str, position: int) -> int:
        if position < 0 or position + struct.calcsize(form) > len(self._data):
            raise LayoutError(f"a field at 0x{position:x} lies outside the file")
        return struct.unpack_from(form, self._data, position)[0]

    def _int(self, position: int) -> int:
        return self._field("<i", position)

    def _short(self, position: int) -> int:
        return self._field("<h", position)

    def _header(self, field: int) -> int:
        return self._int(field)

    @property
    def syskind(self) -> int:
        return self._header(H_VARFLAGS) & 0x0F

    @property
    def lcid(self) -> int:
        return self._header(H_LCID)

    def _check_header(self) -> None:
        if len(self._data) < HEADER_SIZE or self._int(0) != MSFT_MAGIC:
            raise LayoutError("not an MSFT type library")
        if self._int(4) != MSFT_VERSION:
            raise LayoutError(f"MSFT version 0x{self._int(4) & 0xFFFFFFFF:08x} is not 0x{MSFT_VERSION:08x}")
        if self.syskind not in (SYS_WIN32, SYS_WIN64):
            raise LayoutError(f"system kind {self.syskind} is neither SYS_WIN32 nor SYS_WIN64")
        if self._header(H_NAME_HASH_SIZE) != NAME_BUCKETS:
            raise LayoutError(f"a name hash table of {self._header(H_NAME_HASH_SIZE)} buckets, not {NAME_BUCKETS}")

    def segment_entry(self, index: int) -> int:
        """The file position of the segment's entry in the directory."""
        help_dll = 4 if self._header(H_VARFLAGS) & HELP_DLL_FLAG else 0
        return HEADER_SIZE + help_dll + 4 * self._header(H_TYPEINFO_COUNT) + SEGMENT_ENTRY_SIZE * index

    def segment(self, index: int) -> tuple[int, int]:
        """The segment's file position and length, as read."""
        return self._segments[index]

    def _read_segment_directory(self) -> list[tuple[int, int]]:
        return [(self._int(self.segment_entry(i)), self._int(self.segment_entry(i) + 4))
                for i in range(SEGMENT_COUNT)]

    def _check_segments(self) -> None:
        for index, (offset, length) in enumerate(self._segments):
            absent = offset == -1 and length == 0
            if not absent and (offset < 0 or length < 0 or offset + length > len(self._data)):
                raise LayoutError(f"segment {index} (0x{offset:x}, {length} bytes) lies outside the file")
        if self._segments[SEG_TYPEINFO][1] != TYPEINFO_SIZE * self._header(H_TYPEINFO_COUNT):
            raise LayoutError("the typeinfo segment does not hold the header's number of typeinfos")
        if self._segments[SEG_NAMEHASH][1] != 4 * NAME_BUCKETS:
            raise LayoutError("the name hash segment is not one table of buckets")

    def _segment_bytes(self, index: int) -> bytes:
        offset, length = self._segments[index]
        return bytes(self._data[offset:offset + length]) if offset >= 0 else b""

    def _read_name_entries(self) -> dict[int, str]:
        entries = {}
        offset = 0
        while offset < len(self._names):
            length = self._names[offset + 8] if offset + NAME_INTRO_SIZE <= len(self._names) else -1
            end = offset + NAME_INTRO_SIZE + length
            if length < 0 or end > len(self._names):
                raise LayoutError(f"the name at 0x{offset:x} runs past its segment")
            entries[offset] = self._names[offset + NAME_INTRO_SIZE:end].decode("latin-1")
            offset = (end + 3) & ~3
        return entries

    def _name_word(self, offset: int) -> int:
        return struct.unpack_from("<I", self._names, offset + 8)[0]

    def _check_names(self) -> None:
        if len(self._name_entries) != self._header(H_NAME_COUNT):
            raise LayoutError("the name segment does not hold the header's number of names")
        for offset, text in self._name_entries.items():
            if self._name_word(offset) >> 16 != self._hash(text) & 0xFFFF:
                raise LayoutError(f"the name {text!r} is not stored under the platform's hash of it")
        for bucket in range(NAME_BUCKETS):
            for offset in self._bucket_chain(bucket):
                if offset not in self._name_entries:
                    raise LayoutError(f"name hash bucket {bucket} leads to 0x{offset:x}, which is no name")

    def _hash(self, text: str) -> int:
        try:
            return name_hash(self.syskind, self.lcid, text)
        except UnknownLocale as error:
            raise LayoutError(str(error)) from None
        except UnicodeEncodeError:
            raise LayoutError(f"the name {text!r} is not ASCII") from None

    def _bucket_position(self, bucket: int) -> int:
        return self._segments[SEG_NAMEHASH][0] + 4 * bucket

    def _bucket_chain(self, bucket: int) -> list[int]:
        chain = []
        offset = self._int(self._bucket_position(bucket))
        while offset != -1:
            if offset in chain or offset not in self._name_entries:
                raise LayoutError(f"name hash bucket {bucket} is not a chain of names")
            chain.append(offset)
            offset = struct.unpack_from("<i", self._names, offset + 4)[0]
        return chain

    def _read_typeinfo(self, index: int) -> TypeInfo:
        offset = index * TYPEINFO_SIZE
        position = self._segments[SEG_TYPEINFO][0] + offset
        elements = self._int(position + T_ELEMENTS)
        return TypeInfo(offset=offset, position=position, kind=self._int(position + T_KIND) & 0x0F,
                        name_offset=self._int(position + T_NAME), member_block=self._int(position + T_MEMBERS),
                        func_count=elements & 0xFFFF, var_count=(elements >> 16) & 0xFFFF)

    def _read_members(self, typeinfo: TypeInfo) -> list[Member]:
        """Functions first, then variables, as the member block lists them."""
        count = typeinfo.func_count + typeinfo.var_count
        if count == 0:
            return []
        block = typeinfo.member_block
        records_length = self._int(block)
        tables = block + 4 + records_length
        if records_length < 0 or tables + 12 * count > len(self._data):
            raise LayoutError(f"the members of {self.name(typeinfo.name_offset)} run past the file")
        members = []
        for i in range(count):
            record_offset = self._int(tables + 4 * (2 * count + i))
            if not 0 <= record_offset < records_length:
                raise LayoutError(f"a member record of {self.name(typeinfo.name_offset)} lies outside its block")
            name_slot = tables + 4 * (count + i)
            members.append(Member(typeinfo, block + 4 + record_offset, name_slot, self._int(name_slot)))
        return members

    def name(self, offset: int) -> str | None:
        return self._name_entries.get(offset)

    def names(self) -> dict[int, str]:
        """Every name of the name table by its offset."""
        return dict(self._name_entries)

    def typeinfo_named(self, name: str) -> TypeInfo | None:
        return next((t for t in self.typeinfos if self.name(t.name_offset) == name), None)

    def variables(self, typeinfo: TypeInfo) -> list[Member]:
        return self.members[typeinfo.offset][typeinfo.func_count:]

    def functions(self, typeinfo: TypeInfo) -> list[Member]:
        return self.members[typeinfo.offset][:typeinfo.func_count]

    def constant(self, variable: Member) -> Value:
        if self._short(variable.record + 12) != VAR_CONST:
            raise LayoutError(f"{self.name(variable.name_offset)} is not a constant")
        return self._value(self._int(variable.record + 16))

    def _value(self, encoded: int) -> Value:
        if encoded < 0:
            return Value(vt=(encoded >> 26) & 0x1F, number=encoded & 0x3FFFFFF, slot=encoded)
        position = self._segments[SEG_CUSTDATA][0] + encoded
        if self._segments[SEG_CUSTDATA][0] < 0 or encoded + 6 > self._segments[SEG_CUSTDATA][1]:
            raise LayoutError(f"a value at 0x{encoded:x} lies outside the custom data")
        return Value(vt=self._field("<H", position), number=self._int(position + 2), slot=encoded)

    def parameters(self, function: Member) -> list[Parameter]:
        length = self._int(function.record) & 0xFFFF
        count = self._short(function.record + 20)
        has_defaults = self._int(function.record + 16) & FUNC_HAS_DEFAULTS
        first = function.record + length - 12 * count
        defaults = first - 4 * count if has_defaults else -1
        if count < 0 or (defaults if has_defaults else first) < function.record + 24:
            raise LayoutError(f"the record of {self.name(function.name_offset)} is too short for its parameters")
        return [Parameter(function, self._int(first + 12 * j + 4), self._int(first + 12 * j + 8),
                          defaults + 4 * j if has_defaults else -1) for j in range(count)]

    def default(self, parameter: Parameter) -> Value | None:
        if parameter.default_slot < 0 or not parameter.flags & PARAMFLAG_FHASDEFAULT:
            return None
        return self._value(self._int(parameter.default_slot))

    def find_name(self, text: str) -> int | None:
        """The offset of the name, as the hash table finds it (without regard to case)."""
        chain = self._bucket_chain(self._hash(text) & 0x7F)
        return next((o for o in chain if self._name_entries[o].lower() == text.lower()), None)

    # Editing.

    def rename(self, member: Member, text: str) -> None:
        """Gives the member the name text, a name of its own in the name table and hash table."""
        offset = self.find_name(text)
        if offset is None:
            offset = self._append_name(text, member.typeinfo)
        else:
            self._names[offset + 9] = (self._names[offset + 9] & ~NAME_FIRST_USE) | NAME_OF_ENUM_MEMBER
        struct.pack_into("<i", self._data, member.name_slot, offset)
        self._replaced_names.add(member.name_offset)

    def store_as_long(self, parameter: Parameter) -> None:
        """Stores the parameter's number default as a Long instead of under the type VT_VARIANT."""
        value = self.default(parameter)
        if value.slot < 0:
            encoded = INLINE_VALUE | VT_I4 << 26 | value.number
            struct.pack_into("<i", self._data, parameter.default_slot, encoded - (1 << 32))
        else:
            struct.pack_into("<H", self._data, self._segments[SEG_CUSTDATA][0] + value.slot, VT_I4)

    def _append_name(self, text: str, typeinfo: TypeInfo) -> int:
        offset = len(self._names)
        bucket = self._bucket_position(self._hash(text) & 0x7F)
        encoded = text.encode("ascii")
        flags = NAME_FIRST_USE | NAME_OF_ENUM_MEMBER
        word = len(encoded) | flags << 8 | (self._hash(text) & 0xFFFF) << 16
        self._names += struct.pack("<iiI", typeinfo.offset, self._int(bucket), word) + encoded
        self._names += bytes([NAME_PADDING]) * (-len(self._names) % 4)
        struct.pack_into("<i", self._data, bucket, offset)
        self._name_entries[offset] = text
        self._add_to_header(H_NAME_COUNT, 1)
        self._add_to_header(H_NAME_CHARS, len(encoded))
        return offset

    def _add_to_header(self, field: int, amount: int) -> None:
        struct.pack_into("<i", self._data, field, self._header(field) + amount)

    def _unlink_unused_replaced_names(self) -> None:
        """A name no member holds any longer leaves the hash table (its bytes stay, unreferenced)."""
        used = self._referenced_names()
        for offset in self._replaced_names - used:
            bucket = self._hash(self._name_entries[offset]) & 0x7F
            chain = [o for o in self._bucket_chain(bucket) if o != offset]
            struct.pack_into("<i", self._data, self._bucket_position(bucket), chain[0] if chain else -1)
            for current, following in zip(chain, chain[1:] + [-1]):
                struct.pack_into("<i", self._names, current + 4, following)

    def _referenced_names(self) -> set[int]:
        used = {self._header(H_LIBRARY_NAME)}
        for typeinfo in self.typeinfos:
            used.add(typeinfo.name_offset)
            used.update(self._int(m.name_slot) for m in self.members[typeinfo.offset])
            for function in self.functions(typeinfo):
                used.update(p.name_offset for p in self.parameters(function))
        return used

    # Writing.

    def to_bytes(self) -> bytes:
        self._unlink_unused_replaced_names()
        if bytes(self._names) == self._segment_bytes(SEG_NAME):
            return bytes(self._data)
        return self._with_names_at_end()

    def _with_names_at_end(self) -> bytes:
        out = bytearray(self._data)
        out += bytes([NAME_PADDING]) * (-len(out) % 4)
        names_at = len(out)
        out += self._names
        struct.pack_into("<ii", out, self.segment_entry(SEG_NAME), names_at, len(self._names))
        # A typeinfo without members points just past the file: keep it there.
        for typeinfo in self.typeinfos:
            if typeinfo.member_block == len(self._data):
                struct.pack_into("<i", out, typeinfo.position + T_MEMBERS, len(out))
        return bytes(out)
