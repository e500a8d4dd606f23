"""Compares two PDFs of the same booklet: page count, page sizes, the words of every page and
where each word stands. Exits 1 and names the first difference; prints nothing when they agree.

    python3 compare_pdfs.py expected.pdf actual.pdf [tolerance in points, 0.5 unless given]
"""

import re
import subprocess
import sys
from html import unescape

WORD = re.compile(
    r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')
PAGE = re.compile(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', re.S)


def pages(pdf):
    """Each page as (width, height, {word: [boxes sorted top to bottom, left to right]})."""
    html = subprocess.run(['pdftotext', '-bbox', pdf, '-'], check=True, capture_output=True,
                          text=True).stdout
    result = []
    for width, height, body in PAGE.findall(html):
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


def main():
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.5
    problem = difference(pages(sys.argv[1]), pages(sys.argv[2]), tolerance)
    if problem:
        print(f'{sys.argv[2]}: {problem}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
