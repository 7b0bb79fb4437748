"""lautbote as a braille or magnifier user meets it: the character's word balloon reads as the
text being spoken, and its caret and selection follow the word being heard."""

import sys

from atspi_walk import Program, check, finish, text_of, wait_for

GREETING = "Guten Tag mein Herr"


def heard_word(balloon):
    text = balloon.queryText()
    if text.getNSelections() != 1:
        return None
    start, end = text.getSelection(0)
    return (text.caretOffset, start, text.getText(start, end))


def main(binary):
    program = Program(binary, "lautbote")
    try:
        balloon = wait_for(lambda: next((w for w in program.app
                                         if w is not None and w.name == "Sprechblase"), None))
        check(balloon, "no word balloon on the AT-SPI bus")
        if not balloon:
            return
        said = wait_for(lambda: text_of(balloon))
        check(said and said.startswith(GREETING), "the balloon reads %r" % said)
        words = said.split() if said else []
        seen = []
        for _ in range(3):
            now = wait_for(lambda: (lambda w: w if w and w not in seen else None)(
                heard_word(balloon)), timeout=5)
            if now:
                seen.append(now)
        check(len(seen) == 3, "the marked word moved %d times, not 3: %r" % (len(seen) - 1, seen))
        for caret, start, word in seen:
            check(caret == start and word in words,
                  "caret %d and selection %r do not mark a word of the text" % (caret, word))
        check([c for c, _, _ in seen] == sorted(c for c, _, _ in seen),
              "the marked word went backwards: %r" % seen)
    finally:
        program.stop()
        finish()  # also after an early return on a failed expectation


if __name__ == "__main__":
    main(sys.argv[1])
