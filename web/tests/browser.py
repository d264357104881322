"""The page in a real browser: a local web server for the built page and headless Chromium driven
through WebDriver. Used by the browser tests and the scripts that take screenshots and figures."""

import contextlib
import os
import shutil
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import serve as site_server  # noqa: E402

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:  # reported by missing_tools()
    webdriver = None

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


def missing_tools():
    """What the browser tests need and this machine lacks, as Debian packages."""
    missing = [package for path, package in ((CHROMIUM, "chromium"),
                                             (CHROMEDRIVER, "chromium-driver"))
               if not shutil.which(path)]
    if webdriver is None:
        missing.append("python3-selenium")
    return missing

SKIPPED = 77


def run_tests(built_file, argv):
    """Runs this program's unittest tests with argv (names of tests, options), unless the page is
    not built (built_file is missing) or a tool is missing; returns the exit status, 77 for
    skipped."""
    if not os.path.isfile(built_file):
        print(f"no web page in {os.path.dirname(built_file)}: build it with "
              "'cmake --build --preset web'; skipped")
        return SKIPPED
    missing = missing_tools()
    if missing:
        print(f"{', '.join(missing)} missing ('scripts/install-deps web' installs them); skipped")
        return SKIPPED
    program = unittest.main(argv=[sys.argv[0]] + argv, exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


DESKTOP = (1024, 768)
PHONE = (360, 740)


class _IsolatedHandler(site_server.Handler):
    """Serves the page cross-origin isolated, where the browser's clock is at its finest."""

    def headers_to_send(self, extension):
        return {**super().headers_to_send(extension), "Cross-Origin-Opener-Policy": "same-origin",
                "Cross-Origin-Embedder-Policy": "require-corp"}


class _PlainHandler(site_server.Handler):
    """Serves every file but HTML and JavaScript as application/octet-stream, as a server that
    knows no .wasm."""

    def content_type(self, extension):
        known = super().content_type(extension)
        return known if known.startswith(("text/html", "text/javascript")) \
            else "application/octet-stream"


@contextlib.contextmanager
def serve(site, isolated=False, plain=False):
    """Serves the directory site on a free loopback port as scripts/web does, with its
    Content-Security-Policy (plain: with no content type for .wasm); yields the page's address."""
    kind = _IsolatedHandler if isolated else _PlainHandler if plain else site_server.Handler
    server = site_server.make_server(site, quiet=True, handler=kind)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()
        thread.join()


def chromium(size=DESKTOP, device_scale=1):
    """A headless Chromium at the given window size, with no extensions, sync or first-run UI."""
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in (
        "--headless=new",
        "--no-sandbox",
        "--disable-gpu",
        "--disable-dev-shm-usage",
        "--disable-extensions",
        "--no-first-run",
        f"--window-size={size[0]},{size[1]}",
        f"--force-device-scale-factor={device_scale}",
    ):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def set_viewport(driver, width, height, scale=1):
    """Makes the page's viewport exactly width x height CSS pixels, as a phone's would be; scale
    device pixels to each (2 for a window of twice the size zoomed to 200 %)."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": scale, "mobile": width < 600,
    })


@contextlib.contextmanager
def minimum_font_size(driver):
    """Yields set(pixels), which sets the browser's minimum font size (0: none) as its settings
    page does, from a tab of its own, so that the page's tab stays where it is; a page loaded
    after takes it. On leaving, there is none again and the tab is closed."""
    page = driver.current_window_handle
    driver.switch_to.new_window("tab")
    settings = driver.current_window_handle
    driver.get("chrome://settings/fonts")
    driver.switch_to.window(page)

    def set_size(pixels):
        driver.switch_to.window(settings)
        try:
            if not driver.execute_async_script("""
                    const done = arguments[arguments.length - 1];
                    chrome.settingsPrivate.setPref('webkit.webprefs.minimum_font_size',
                                                   arguments[0], '', (set) => done(set));""",
                                               pixels):
                raise RuntimeError(f"the browser took no minimum font size of {pixels} px")
        finally:
            driver.switch_to.window(page)

    try:
        yield set_size
    finally:
        set_size(0)
        driver.switch_to.window(settings)
        driver.close()
        driver.switch_to.window(page)


def set_clipboard_permission(driver, url, granted):
    """Grants the page the clipboard, or has the browser refuse it."""
    origin = url.rstrip("/")
    for name in ("clipboard-write", "clipboard-read"):
        driver.execute_cdp_cmd("Browser.setPermission", {
            "permission": {"name": name},
            "setting": "granted" if granted else "denied",
            "origin": origin,
        })


def open_page(driver, url, timeout=20):
    """Loads the page and waits until the calculator shows its first results."""
    driver.get(url)
    WebDriverWait(driver, timeout, poll_frequency=0.02).until(
        lambda d: d.execute_script(
            "return document.getElementById('app').getAttribute('aria-busy') === 'false'"))
    error = driver.execute_script(
        "const e = document.querySelector('#app [role=alert]'); return e && e.textContent")
    if error:
        raise RuntimeError(error)
