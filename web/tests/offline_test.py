"""The page as an installable app that works offline, in headless Chromium, served by scripts/web's
server (web/tools/serve.py).

Usage: offline_test.py --site DIR [unittest arguments, e.g. OfflineTest.test_reload_offline]

Exits with 77 (skipped) when DIR holds no built page or Chromium, its WebDriver or selenium is
missing, as page_test.py does.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
import browser  # noqa: E402
import serve  # noqa: E402

if browser.webdriver is not None:
    from selenium.webdriver.support.ui import WebDriverWait

SITE = None
RECORDING_TIME = 1007
# What one visit may cost, through scripts/web's server: the page, the core, the manifest, its
# icon and every file the service worker keeps.
VISIT_BUDGET = 80 * 1024

# The state of the worker that controls the page, once one does and has done activating (it
# takes the page over while it activates).
WAIT_FOR_WORKER = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(() => {
    const controlled = () => {
        const worker = navigator.serviceWorker.controller;
        if (!worker) {
            setTimeout(controlled, 20);
        } else if (worker.state === 'activating') {
            worker.addEventListener('statechange', controlled, { once: true });
        } else {
            done(worker.state);
        }
    };
    controlled();
}, (error) => done('no worker: ' + error));
"""

# Whether the page's service worker keeps a file.
KEPT = """
const done = arguments[arguments.length - 1];
caches.match(arguments[0]).then((kept) => done(Boolean(kept)), () => done(false));
"""

CACHE_NAMES = """
const done = arguments[arguments.length - 1];
caches.keys().then(done, (error) => done('no caches: ' + error));
"""


class Served:
    """A folder served by scripts/web's server on a free port, until stopped."""

    def __init__(self, site):
        self.server = serve.make_server(site, quiet=True)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self._thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self._thread.start()
        self._stopped = False

    def settled(self, quiet_seconds=0.5, timeout=10):
        """Waits until no request has come for quiet_seconds."""
        deadline = time.monotonic() + timeout
        count, since = -1, time.monotonic()
        while time.monotonic() < deadline:
            if len(self.server.requests) != count:
                count, since = len(self.server.requests), time.monotonic()
            elif time.monotonic() - since >= quiet_seconds:
                return
            time.sleep(0.05)

    def until(self, condition, timeout=30):
        """Waits until condition holds for the answers so far; whether it did."""
        deadline = time.monotonic() + timeout
        while not condition(list(self.server.requests)):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.05)
        return True

    def stop(self):
        if not self._stopped:
            self._stopped = True
            self.server.shutdown()
            self.server.server_close()
            self.server.close_connections()
            self._thread.join()


class OfflineTest(unittest.TestCase):
    def setUp(self):
        self.driver = browser.chromium()
        self.served = []

    def tearDown(self):
        self.driver.quit()
        for served in self.served:
            served.stop()

    def serve(self, site):
        served = Served(site)
        self.served.append(served)
        return served

    def visit(self, served):
        """Opens the page once and waits until its service worker controls it."""
        browser.open_page(self.driver, served.url)
        state = self.driver.execute_async_script(WAIT_FOR_WORKER)
        self.assertEqual(state, "activated")
        served.settled()

    def reload(self):
        """Reloads the page, as its reload button does, and waits for the calculator."""
        self.driver.refresh()
        WebDriverWait(self.driver, 20, poll_frequency=0.02).until(lambda d: d.execute_script(
            "return document.getElementById('app').getAttribute('aria-busy') === 'false'"))

    def version(self):
        return self.driver.execute_script("return document.documentElement.dataset.version")

    def language(self):
        """The language the page is shown in, and that of its menu button's text."""
        shown = self.driver.execute_script(
            "return [document.documentElement.lang,"
            " document.querySelector('#app .title-command').textContent]")
        return {("en", "Menu"): "en", ("ja", "メニュー"): "ja"}.get(tuple(shown), shown)

    def recording_time(self):
        return self.driver.find_element(
            "css selector", f'#app [data-control-id="{RECORDING_TIME}"]').text

    def test_installable(self):
        served = self.serve(SITE)
        self.visit(served)
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        self.assertEqual(errors["installabilityErrors"], [])
        manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual(manifest["errors"], [])
        self.assertEqual(self.driver.execute_script(
            "return document.querySelector('meta[name=theme-color]').content"), "#1f4e8c")

    def test_one_visit_within_budget(self):
        served = self.serve(SITE)
        self.visit(served)
        self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})  # fetches the icon
        served.settled()
        sent = served.server.bytes_sent
        detail = "\n".join(f"  {status} {size:7d} {path}"
                           for path, status, size in served.server.requests)
        print(f"one visit: {sent} bytes in {len(served.server.requests)} answers\n{detail}")
        self.assertLessEqual(sent, VISIT_BUDGET, detail)
        # Each file once: the worker keeps what the visit fetched rather than asking again.
        paths = [path for path, _, _ in served.server.requests]
        self.assertEqual(sorted({path for path in paths if paths.count(path) > 1}), [], detail)

    def test_reload_offline(self):
        served = self.serve(SITE)
        self.visit(served)
        # Once shown in Japanese, the worker keeps its texts too.
        browser.open_page(self.driver, served.url + "?lang=ja")
        WebDriverWait(self.driver, 10, poll_frequency=0.05).until(
            lambda d: d.execute_async_script(KEPT, "lang-ja.json"))
        served.stop()
        self.reload()
        self.assertEqual((self.language(), self.recording_time()), ("ja", "1.6s"))
        browser.open_page(self.driver, served.url + "index.html?again")
        self.assertEqual((self.language(), self.recording_time()), ("en", "1.6s"))

    def test_new_version_replaces_the_old(self):
        with tempfile.TemporaryDirectory() as site:
            shutil.copytree(SITE, site, dirs_exist_ok=True)
            served = self.serve(site)
            self.visit(served)
            self.assertEqual(self.version(), None)
            old_caches = self.driver.execute_async_script(CACHE_NAMES)

            # A new version is deployed: a file changes and the build writes a new worker.
            page = os.path.join(site, "index.html")
            with open(page, encoding="utf-8") as source:
                text = source.read()
            with open(page, "w", encoding="utf-8") as out:
                out.write(text.replace('<html lang="en">', '<html lang="en" data-version="2">'))
            make_offline_files(site)

            # A load asks for the worker again and finds the new one, which fetches the new
            # files and takes over; a load after that shows the new version.
            before = len(served.server.requests)
            self.reload()
            found = served.until(lambda requests: ("/service-worker.js", 200)
                                 in [(path, status) for path, status, _ in requests[before:]])
            self.assertTrue(found, "the new worker was not fetched")
            # Once active, it has deleted the old version's cache: one cache is left, its own.
            WebDriverWait(self.driver, 30, poll_frequency=0.05).until(
                lambda d: len(set(d.execute_async_script(CACHE_NAMES)) - set(old_caches)) == 1
                and len(d.execute_async_script(CACHE_NAMES)) == 1)
            self.reload()
            self.assertEqual(self.version(), "2")

            served.stop()
            self.reload()
            self.assertEqual((self.version(), self.recording_time()), ("2", "1.6s"))


class ServerTest(unittest.TestCase):
    """What scripts/web's server tells browsers, without a browser."""

    def test_compression_and_cache_lifetimes(self):
        served = Served(SITE)
        self.addCleanup(served.stop)
        icon = next(name for name in os.listdir(SITE) if serve.HASHED_NAME.search(name))
        cases = [
            # path, accepted encoding, Content-Encoding, Cache-Control
            ("", "gzip, br", "gzip", serve.CHECK_EVERY_TIME),
            ("spanwise.wasm", "gzip", "gzip", serve.CHECK_EVERY_TIME),
            ("spanwise.wasm", "identity", None, serve.CHECK_EVERY_TIME),
            ("service-worker.js", "gzip", "gzip", serve.CHECK_EVERY_TIME),
            (icon, "gzip", None, serve.KEEP_FOR_GOOD),
            ("spanwise.svg", "gzip", "gzip", serve.KEEP_FOR_A_DAY),
        ]
        for path, accepted, encoding, lifetime in cases:
            with self.subTest(path=path, accepted=accepted):
                request = urllib.request.Request(served.url + path,
                                                 headers={"Accept-Encoding": accepted})
                with urllib.request.urlopen(request) as response:
                    body = response.read()
                    self.assertEqual(response.headers["Content-Encoding"], encoding)
                    self.assertEqual(response.headers["Cache-Control"], lifetime)
                    self.assertEqual(int(response.headers["Content-Length"]), len(body))
                    etag = response.headers["ETag"]
                # Asked again with what it has: nothing is sent but the headers.
                request.add_header("If-None-Match", etag)
                with self.assertRaises(urllib.error.HTTPError) as answer:
                    urllib.request.urlopen(request)
                self.assertEqual(answer.exception.code, 304)
        for outside in ("../CMakeCache.txt", "%2e%2e/CMakeCache.txt", "missing.js"):
            with self.subTest(outside=outside):
                with self.assertRaises(urllib.error.HTTPError) as answer:
                    urllib.request.urlopen(served.url + outside)
                self.assertEqual(answer.exception.code, 404)


def make_offline_files(site):
    page = os.path.join(HERE, "..", "page")
    subprocess.run([sys.executable, os.path.join(HERE, "..", "tools", "make_offline_files.py"),
                    "--site", site, "--manifest", os.path.join(page, "manifest.webmanifest"),
                    "--worker", os.path.join(page, "service-worker.js"),
                    "--icons", os.path.join(HERE, "..", "..", "res", "icons")], check=True)


def main():
    global SITE
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True, help="the built page (build/web)")
    args, rest = parser.parse_known_args()
    SITE = args.site
    return browser.run_tests(os.path.join(SITE, "service-worker.js"), rest)


if __name__ == "__main__":
    sys.exit(main())
