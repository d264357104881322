"""The web page's figures for docs/performance.md, taken in headless Chromium.

- Transfer size: every file the page loads, compressed as scripts/web sends it (the build's
  zopfli-made FILE.gz; gzip -9 where there is none).
- Navigation to the first results shown (the page's "spanwise-first-results" mark), median of
  LOADS loads with the browser's cache off, for the page and for the same page whose spanwise.js
  is a stub that fills the same texts without WebAssembly, the two loaded in turn.
- One pick: from the change event of a list to the page updated and laid out again, median of
  1000 picks of random entries of random enabled lists, and the median of each list's picks.
- One pick per frame, as a held arrow key makes them: 200 picks, each in an animation frame, from
  the change event to the page drawn, and to all done (the tasks the pick left for later, the
  address and what screen readers hear, included), medians and 90th percentiles.
- The Ranges view: from the click on the button beside the range list to the view laid out, and
  to the next frame painted, median of 50 openings (each closed with Escape).

Usage: figures.py SITE [LOADS]"""

import gzip
import json
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
import browser  # noqa: E402

PICKS = 1000
# The lists by control id, as the pick figures name them.
LISTS = {"1000": "model", "1001": "memory", "1002": "function", "1004": "sampling",
         "1003": "scanner", "1005": "channels", "1008": "range"}
EMPTY_WASM_MODULE = b"\0asm\x01\0\0\0"

# The opening dialog as the core hands it to the page, recorded from the real core for the stub.
RECORD_OPENING = """
const done = arguments[arguments.length - 1];
Promise.all([createSpanwise(), import('./dom.js')]).then(([module, fonts]) => {
    const opening = {};
    const host = {
        measureFont: fonts.measureFont,
        showDialog(handle, description) { opening.description = description; },
        closeDialog() {},
    };
    const calculator = new module.Calculator(host);
    calculator.open();
    opening.changes = calculator.takeChanges();
    opening.texts = module.Calculator.pageTexts();
    done(JSON.stringify(opening));
    calculator.delete();
});
"""

STUB = """// A stand-in for spanwise.js without WebAssembly: the page gets the opening dialog recorded from
// the real calculator and draws it the same way.
function createSpanwise() {
    const opening = %s;
    class Calculator {
        constructor(host) { this.host = host; }
        static pageTexts() { return opening.texts; }
        open() { this.host.showDialog(1, opening.description); }
        applyAddress() {}
        fitText() { return ''; }
        selectionWords() { return []; }
        takeChanges() {
            const changes = opening.changes;
            opening.changes = '[]';
            return changes;
        }
    }
    return Promise.resolve({ Calculator });
}
"""

FIRST_RESULTS = """
const mark = performance.getEntriesByName('spanwise-first-results')[0];
return mark ? mark.startTime : null;
"""

TIME_PICKS = """
const count = arguments[0];
let seed = 1000;
const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.floor(seed / 2147483648 * n);
};
const times = [];
while (times.length < count) {
    const lists = [...document.querySelectorAll('#app select')].filter((s) => !s.disabled);
    const select = lists[random(lists.length)];
    select.selectedIndex = random(select.options.length);
    const start = performance.now();
    select.dispatchEvent(new Event('change', { bubbles: true }));
    document.body.getBoundingClientRect();
    times.push([select.dataset.controlId, performance.now() - start]);
}
return [times, crossOriginIsolated];
"""


FRAME_PICKS = 200

TIME_FRAME_PICKS = """
const [count, done] = [arguments[0], arguments[arguments.length - 1]];
let seed = 2000;
const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.floor(seed / 2147483648 * n);
};
const times = [];
const frame = () => {
    if (times.length === count) {
        done(times);
        return;
    }
    const lists = [...document.querySelectorAll('#app select')].filter((s) => !s.disabled);
    const select = lists[random(lists.length)];
    select.selectedIndex = random(select.options.length);
    const start = performance.now();
    select.dispatchEvent(new Event('change', { bubbles: true }));
    document.body.getBoundingClientRect();
    const drawn = performance.now() - start;
    // After the tasks the pick left for later: the address, what screen readers hear.
    setTimeout(() => {
        times.push([drawn, performance.now() - start]);
        requestAnimationFrame(frame);
    });
};
requestAnimationFrame(frame);
"""

OPENINGS = 50

TIME_RANGES_VIEW = """
const [count, done] = [arguments[0], arguments[arguments.length - 1]];
const button = document.querySelector('#app [data-command]');
const times = [];
const once = () => {
    const start = performance.now();
    button.click();
    document.querySelector('dialog[open] tbody tr:last-child').getBoundingClientRect();
    const laidOut = performance.now() - start;
    requestAnimationFrame(() => setTimeout(() => {
        times.push([laidOut, performance.now() - start]);
        document.querySelector('dialog[open]').dispatchEvent(new Event('cancel'));
        if (times.length < count) {
            setTimeout(once, 20);
        } else {
            done(times);
        }
    }));
};
once();
"""


def page_files(site):
    """Every file of the page: the page loads them all (a file's gzip form is one of them)."""
    return sorted(name for name in os.listdir(site) if not name.endswith(".gz"))


def transfer_size(site):
    sizes = {}
    for name in page_files(site):
        with open(os.path.join(site, name), "rb") as page_file:
            data = page_file.read()
        try:
            with open(os.path.join(site, name + ".gz"), "rb") as packed:
                sizes[name] = (len(data), len(packed.read()))
        except FileNotFoundError:
            sizes[name] = (len(data), len(gzip.compress(data, 9)))
    return sizes


def first_results(driver, urls, loads):
    """The time to the first results of each page, loaded in turn so that a change in the
    machine's load weighs on every page alike."""
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    times = [[] for _ in urls]
    for _ in range(loads):
        for url, page_times in zip(urls, times):
            browser.open_page(driver, url)
            page_times.append(driver.execute_script(FIRST_RESULTS))
    return times


def pick_times(driver, url):
    browser.open_page(driver, url)
    return driver.execute_script(TIME_PICKS, PICKS)


def main(site, loads=21):
    loads = int(loads)
    sizes = transfer_size(site)
    total = sum(gzipped for _, gzipped in sizes.values())
    print("== Transfer size (as served: zopfli, else gzip -9)")
    for name, (plain, gzipped) in sizes.items():
        print(f"{name:18} {plain / 1024:8.1f} KiB  gzip {gzipped / 1024:7.1f} KiB")
    print(f"{'total':18} {sum(p for p, _ in sizes.values()) / 1024:8.1f} KiB  "
          f"gzip {total / 1024:7.1f} KiB")

    with tempfile.TemporaryDirectory() as stub_site:
        driver = browser.chromium()
        try:
            # The picks on a page served cross-origin isolated, where the clock runs at 5 us; the
            # page loads as Python's http.server serves them (isolating the page would have the
            # browser start a new process for every load).
            with browser.serve(site, isolated=True) as url:
                times, isolated = pick_times(driver, url)
                browser.open_page(driver, url)
                frame_picks = driver.execute_async_script(TIME_FRAME_PICKS, FRAME_PICKS)
                ranges_view = driver.execute_async_script(TIME_RANGES_VIEW, OPENINGS)
            with browser.serve(site) as url:
                browser.open_page(driver, url)
                opening = driver.execute_async_script(RECORD_OPENING)
                for name in page_files(site):
                    if name not in ("spanwise.js", "spanwise.wasm"):
                        shutil.copy(os.path.join(site, name), stub_site)
                with open(os.path.join(stub_site, "spanwise.js"), "w", encoding="utf-8") as stub:
                    stub.write(STUB % json.dumps(json.loads(opening)))
                # The page starts compiling the core at once; the stub's is an empty module.
                with open(os.path.join(stub_site, "spanwise.wasm"), "wb") as empty:
                    empty.write(EMPTY_WASM_MODULE)
                with browser.serve(stub_site) as stub_url:
                    page_loads, stub_loads = first_results(driver, [url, stub_url], loads)
        finally:
            driver.quit()
    page, stub_time = statistics.median(page_loads), statistics.median(stub_loads)

    print()
    print(f"== Navigation to the first results shown (median of {loads} loads, cache off)")
    print(f"page:      {page:6.1f} ms   (loads: {' '.join(f'{t:.0f}' for t in page_loads)})")
    print(f"stub page: {stub_time:6.1f} ms   (loads: {' '.join(f'{t:.0f}' for t in stub_loads)})")
    print(f"ratio:     {page / stub_time:6.2f}")
    print()
    all_times = [time for _, time in times]
    print(f"== One pick, change event to the page updated (median of {len(times)} picks)")
    print(f"median:    {statistics.median(all_times) * 1000:6.0f} us   "
          f"(90th percentile {statistics.quantiles(all_times, n=10)[-1] * 1000:.0f} us; "
          f"clock {'5 us' if isolated else '100 us'})")
    for control_id, name in LISTS.items():
        list_times = [time for picked, time in times if picked == control_id]
        print(f"{name + ':':10} {statistics.median(list_times) * 1000:6.0f} us   "
              f"({len(list_times)} picks)")
    print()
    print(f"== One pick per frame ({len(frame_picks)} picks), from the change event")
    for label, at in (("drawn", 0), ("all done", 1)):
        pick_times_ = [pick[at] * 1000 for pick in frame_picks]
        print(f"{label + ':':10} {statistics.median(pick_times_):6.0f} us   "
              f"(90th percentile {statistics.quantiles(pick_times_, n=10)[-1]:.0f} us)")
    print()
    print(f"== The Ranges view, click to drawn (median of {len(ranges_view)} openings)")
    for label, at in (("laid out", 0), ("painted", 1)):
        view_times = [opening[at] for opening in ranges_view]
        print(f"{label + ':':10} {statistics.median(view_times):6.1f} ms   "
              f"(slowest {max(view_times):.1f} ms)")


if __name__ == "__main__":
    if not 2 <= len(sys.argv) <= 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
