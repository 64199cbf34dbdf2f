#!/usr/bin/env python3
"""Rewrites a C++ source so that every narrow string and character literal holding non-ASCII
text becomes the same text in Shift-JIS (code page 932), spelled with \\x escapes.

GCC does this conversion itself (-fexec-charset=CP932); this filter does it for compilers that
cannot (clang). usage: sjis_literals.py SOURCE OUTPUT"""
import sys


def convert_literal(body):
    """body: the characters between the quotes, escapes untouched."""
    if all(ord(c) < 128 for c in body):
        return '"' + body + '"'
    pieces = []
    i = 0
    while i < len(body):
        c = body[i]
        if c == '\\':
            # Keep an escape sequence as it stands, in a piece of its own.
            j = i + 2
            if i + 1 < len(body) and body[i + 1] in 'xX':
                while j < len(body) and body[j] in '0123456789abcdefABCDEF':
                    j += 1
            elif i + 1 < len(body) and body[i + 1] in '01234567':
                while j < len(body) and j < i + 4 and body[j] in '01234567':
                    j += 1
            pieces.append('"' + body[i:j] + '"')
            i = j
        elif ord(c) < 128:
            j = i
            while j < len(body) and ord(body[j]) < 128 and body[j] != '\\':
                j += 1
            pieces.append('"' + body[i:j] + '"')
            i = j
        else:
            encoded = c.encode('cp932')
            pieces.append('"' + ''.join('\\x%02x' % b for b in encoded) + '"')
            i += 1
    return ' '.join(pieces)


def convert(text):
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c == 'R' and text.startswith('R"', i):
            # Raw strings are kept as they are (none of ours holds non-ASCII text).
            j = text.find('(', i)
            delimiter = text[i + 2:j]
            k = text.find(')' + delimiter + '"', j)
            out.append(text[i:k + len(delimiter) + 2])
            i = k + len(delimiter) + 2
        elif c == '"' or c == "'":
            prefix_ok = not (i > 0 and (text[i - 1].isalnum() or text[i - 1] == '_'))
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == '\\' else 1
            body = text[i + 1:j]
            if c == '"' and prefix_ok:
                out.append(convert_literal(body))
            else:
                out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def main():
    source, output = sys.argv[1], sys.argv[2]
    with open(source, encoding='utf-8') as f:
        text = f.read()
    with open(output, 'w', encoding='utf-8') as f:
        f.write('#line 1 "%s"\n' % source)
        f.write(convert(text))


if __name__ == '__main__':
    main()
