#!/usr/bin/env python3
"""The report page of the sample export opened in a real browser (headless Chromium): it renders,
the totals it shows are those of klarvo-check's summary, and a screenshot of it is left for people
to look at.   in_browser.py KLARVO_CHECK SAMPLE_FILES WORK SCREENSHOT"""

import html.parser
import pathlib
import re
import shutil
import subprocess
import sys

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--hide-scrollbars", "--no-first-run",
                  "--disable-extensions", "--disable-background-networking"]


class Totals(html.parser.HTMLParser):
    """The cells marked with data-count and data-total, as the browser's DOM holds them."""

    def __init__(self):
        super().__init__()
        self.values, self._open = {}, None

    def handle_starttag(self, tag, attrs):
        marks = dict(attrs)
        self._open = marks.get("data-count") or marks.get("data-total")

    def handle_data(self, data):
        if self._open:
            self.values[self._open] = data.strip()
            self._open = None


def chromium(*arguments):
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    if not browser:
        sys.exit("in_browser: no Chromium here; the README's test command installs it")
    done = subprocess.run([browser, *CHROMIUM_FLAGS, *arguments], capture_output=True, text=True, timeout=180)
    if done.returncode != 0:
        sys.exit(f"in_browser: Chromium ended with {done.returncode}: {done.stderr[-2000:]}")
    return done.stdout


def main():
    check, sample, work, screenshot = sys.argv[1:5]
    work = pathlib.Path(work)
    shutil.rmtree(work, ignore_errors=True)
    shutil.copytree(sample, work)
    page = work / "raport.html"
    checked = subprocess.run([check, str(work), "--lang", "en", "--report", str(page)], capture_output=True, text=True)
    if checked.returncode != 0:
        sys.exit(f"in_browser: klarvo-check ended with {checked.returncode}: {checked.stdout}{checked.stderr}")
    summary = re.search(r"Documents (\d+), postings (\d+), customers (\d+), debits ([\d.]+), credits ([\d.]+)", checked.stdout)
    if not summary:
        sys.exit(f"in_browser: no summary in {checked.stdout}")
    dom = chromium("--dump-dom", page.as_uri())
    totals = Totals()
    totals.feed(dom)
    expected = {"documents": summary[1], "postings": summary[2], "customers": summary[3], "debit": summary[4],
                "credit": summary[5]}
    shown = {key: totals.values.get(key) for key in expected}
    if shown != expected:
        sys.exit(f"in_browser: the page shows {shown}, the summary says {expected}")
    # The documents' gross amounts add up to the debits: the default scheme books the gross on Wn.
    if totals.values.get("gross") != summary[4]:
        sys.exit(f"in_browser: the documents' gross total {totals.values.get('gross')} is not the debits {summary[4]}")
    chromium("--window-size=1100,3400", f"--screenshot={screenshot}", page.as_uri())
    if not pathlib.Path(screenshot).is_file() or pathlib.Path(screenshot).stat().st_size < 10000:
        sys.exit("in_browser: Chromium left no screenshot")
    print(f"in_browser: the page renders with the summary's totals {expected}; screenshot {screenshot}")


if __name__ == "__main__":
    main()
