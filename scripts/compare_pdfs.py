"""Compares a booklet with the one Tavo writes with --pdf. Exits 1 and names the first
difference; prints nothing when they agree.

    compare_pdfs.py EXPECTED.pdf ACTUAL.pdf [--tolerance POINTS]            (0.5 unless given)
        Two PDFs that Tavo wrote: page count, page sizes, the words of every page and where each
        word stands.
    compare_pdfs.py --printed EXPECTED.pdf ACTUAL.pdf [--pages LIST] [--tolerance POINTS]
        What a print queue made of the booklet, as the sheets show it: the pages of EXPECTED
        that LIST names, in its order ("3,4", "1-7,1-7" for two copies; all when not given),
        page count, each page's
        paper (a landscape page that the printer turned onto a portrait sheet is the same page),
        the ink of every page within the tolerance, and the same characters on every page where
        the output holds text. A printer's PDF places the same glyphs with other font metrics,
        and may turn a page: the pages are compared as 144 dpi renderings (a pixel is half a
        point), which needs numpy (Debian's python3-numpy, for /usr/bin/python3).
"""

import argparse
import re
import subprocess
import sys
import tempfile
from html import unescape
from pathlib import Path

WORD = re.compile(
    r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')
PAGE = re.compile(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', re.S)
DPI = 144
# Renderings of the same page differ in a few edge pixels of glyphs; a page placed elsewhere,
# turned, cut or scaled differs in a good part of its ink (a shift of 1 mm: about 40 %).
STRAY_INK = 0.01


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def pages(pdf):
    """Each page as (width, height, {word: [boxes sorted top to bottom, left to right]})."""
    result = []
    for width, height, body in PAGE.findall(run('pdftotext', '-bbox', pdf, '-')):
        words = {}
        for x0, y0, x1, y1, text in WORD.findall(body):
            words.setdefault(unescape(text), []).append(tuple(map(float, (x0, y0, x1, y1))))
        for boxes in words.values():
            boxes.sort(key=lambda b: (round(b[1]), b[0]))
        result.append((float(width), float(height), words))
    return result


def difference(expected, actual, tolerance):
    if len(expected) != len(actual):
        return f'{len(actual)} pages, {len(expected)} expected'
    for number, (want, got) in enumerate(zip(expected, actual), start=1):
        if abs(want[0] - got[0]) > tolerance or abs(want[1] - got[1]) > tolerance:
            return f'page {number}: {got[0]} x {got[1]} pt, {want[0]} x {want[1]} expected'
        if sorted(want[2]) != sorted(got[2]):
            missing = sorted(set(want[2]) - set(got[2]))[:5]
            extra = sorted(set(got[2]) - set(want[2]))[:5]
            return f'page {number}: words missing {missing}, unexpected {extra}'
        for word, boxes in want[2].items():
            if len(boxes) != len(got[2][word]):
                return f'page {number}: "{word}" {len(got[2][word])} times, {len(boxes)} expected'
            for box, other in zip(boxes, got[2][word]):
                if max(abs(a - b) for a, b in zip(box, other)) > tolerance:
                    return f'page {number}: "{word}" at {other}, {box} expected'
    return None


def characters(page):
    """A page's characters but blanks, sorted: a printer may drop the blanks between words, and
    the text of a turned page is read in another order."""
    return ''.join(sorted(''.join(word * len(boxes) for word, boxes in page[2].items())))


def rendered(pdf, folder):
    """Each page as an array of inked pixels, rows from the top."""
    import numpy

    run('pdftoppm', '-r', str(DPI), '-gray', pdf, str(Path(folder) / 'p'))
    result = []
    for path in sorted(Path(folder).glob('p-*.pgm'), key=lambda p: int(p.stem.split('-')[1])):
        data = path.read_bytes()
        header = re.match(rb'P5\s+(\d+)\s+(\d+)\s+\d+\s', data)
        width, height = int(header.group(1)), int(header.group(2))
        pixels = numpy.frombuffer(data, numpy.uint8, width * height, header.end())
        result.append(pixels.reshape(height, width) < 128)
    return result


def stray_ink(want, got, radius):
    """The share of the ink of either page with no ink of the other within `radius` pixels,
    both cut to the size they share from the top-left corner."""
    import numpy

    rows, cols = min(want.shape[0], got.shape[0]), min(want.shape[1], got.shape[1])
    want, got = want[:rows, :cols], got[:rows, :cols]

    def near(ink):
        grown = ink.copy()
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                grown |= numpy.roll(numpy.roll(ink, dy, 0), dx, 1)
        return grown

    stray = (want & ~near(got)).sum() + (got & ~near(want)).sum()
    return float(stray) / max(1, int(want.sum() + got.sum()))


def page_list(text, count):
    """The page numbers (from 1) of a list such as "3,5-7", in its order; 1 to count if empty."""
    if not text:
        return list(range(1, count + 1))
    numbers = []
    for part in text.split(','):
        first, _, last = part.partition('-')
        numbers += range(int(first), int(last or first) + 1)
    return numbers


def printed_difference(expected, actual, tolerance, wanted=''):
    import numpy

    want_pages, got_pages = pages(expected), pages(actual)
    chosen = [number - 1 for number in page_list(wanted, len(want_pages))]
    want_pages = [want_pages[i] for i in chosen]
    if len(want_pages) != len(got_pages):
        return f'{len(got_pages)} pages, {len(want_pages)} expected'
    for number, (want, got) in enumerate(zip(want_pages, got_pages), start=1):
        # A printer's paper sizes are whole points (A5 is 421 x 595).
        if max(abs(a - b) for a, b in zip(sorted(want[:2]), sorted(got[:2]))) > 2:
            return f'page {number}: paper {got[0]} x {got[1]} pt, {want[0]} x {want[1]} expected'
        if got[2] and characters(want) != characters(got):
            missing = ''.join(sorted(set(characters(want)) - set(characters(got))))
            return f'page {number}: other text than expected (missing "{missing}")'
    radius = max(1, round(tolerance * DPI / 72))
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        want_ink = rendered(expected, a)
        for number, (want, got) in enumerate(zip([want_ink[i] for i in chosen],
                                                 rendered(actual, b)), 1):
            if (want.shape[0] > want.shape[1]) != (got.shape[0] > got.shape[1]):
                share = min(stray_ink(want, numpy.rot90(got, turn), radius) for turn in (1, 3))
            else:
                share = stray_ink(want, got, radius)
            if share > STRAY_INK:
                return f'page {number}: {share:.1%} of the ink lies off by more than {tolerance} pt'
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--printed', action='store_true')
    parser.add_argument('expected')
    parser.add_argument('actual')
    parser.add_argument('--pages', default='')
    parser.add_argument('--tolerance', type=float, default=0.5)
    args = parser.parse_args()
    if args.printed:
        problem = printed_difference(args.expected, args.actual, args.tolerance, args.pages)
    else:
        problem = difference(pages(args.expected), pages(args.actual), args.tolerance)
    if problem:
        print(f'{args.actual}: {problem}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
