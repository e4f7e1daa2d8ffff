#!/usr/bin/env python3
"""Writes MaskEngineFuzz.seeds/: the engine tables' cases as inputs of the mask engine's fuzz target.

The target reads everything through FuzzedDataProvider's integral calls, which take their bytes from the
end of the input, most significant first; a seed is therefore the consumed bytes in reverse order.
"""
import os

TYPE, BACKSPACE, DELETE, SPIN = 0, 1, 2, 3


class Seed:
    def __init__(self):
        self.consumed = bytearray()

    def integer(self, value, low, high):
        span, count = high - low, 0
        while count < 8 and (span >> (8 * count)) > 0:
            count += 1
        self.consumed += (value - low).to_bytes(count, 'big') if count else b''

    def boolean(self, value):
        self.integer(int(value), 0, 255)

    def unit(self, c):
        self.boolean(True)
        self.integer(ord(c), 0, 0xFFFF)

    def text(self, s, most):
        self.integer(len(s), 0, most)
        for c in s:
            self.unit(c)

    def data(self):
        return bytes(reversed(self.consumed))


def case(mask, value, caret, actions, chars=('', '', '', '')):
    seed = Seed()
    for c in chars:
        seed.text(c, 2)
    seed.text(mask, 40)
    seed.text(value, 40)
    seed.integer(caret, 0, 50)
    seed.boolean(False)  # the rendered text, not one from outside
    for action in actions:
        seed.integer(action[0], 0, 4)
        if action[0] == TYPE:
            seed.unit(action[1])
        elif action[0] == SPIN:
            up, answer = action[1], action[2]
            seed.boolean(up)
            seed.boolean(answer is not None)
            if answer is not None:
                maximum, minimum, reset = answer
                seed.integer(maximum + 1, -2**31, 2**31 - 1)  # the target takes n % 200 - 1
                seed.integer(minimum + 100, -2**31, 2**31 - 1)  # and n % 200 - 100
                seed.boolean(False)
                seed.boolean(reset)
                seed.boolean(False)
                seed.boolean(False)
    return seed.data()


CASES = {
    'date': case('0000/00/00', '20241231', 0, [(TYPE, '1'), (BACKSPACE,), (DELETE,)]),
    'date-short': case('0000/00/00', '202412', 10, [(TYPE, '3'), (TYPE, '1')]),
    'phone': case('(000) 000-0000', '', 0, [(TYPE, '0'), (TYPE, 'x'), (TYPE, '2')]),
    'code': case('@@-000', 'ab12', 2, [(TYPE, 'z'), (BACKSPACE,)]),
    'blocked': case('0@', 'a', 0, [(DELETE,), (TYPE, '_')]),
    'minus': case('00', '-5', 0, [(SPIN, True, None)]),
    'spin-99': case('00', '99', 0, [(SPIN, True, None)]),
    'spin-max59-reset': case('00', '59', 1, [(SPIN, True, (59, 1, True))]),
    'spin-min0': case('00', '00', 0, [(SPIN, False, (-1, 0, False))]),
    'spin-none': case('00', '00', 0, [(SPIN, False, None)]),
    'spin-month': case('00', '01', 0, [(SPIN, False, (12, 1, False))]),
    'own-characters': case('##:0@', '4x', 0, [(TYPE, '*'), (BACKSPACE,)], ('#', '#', '*', '.')),
}

folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'MaskEngineFuzz.seeds')
os.makedirs(folder, exist_ok=True)
for name, data in CASES.items():
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)
