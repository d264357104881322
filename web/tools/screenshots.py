"""Saves the page as it looks in Chromium: the calculator at desktop width, the whole page at a
phone's 360 px width, and there the Ranges view after Fit a Recording Time accepted 1h; then the
calculator and the Ranges view in Japanese (?lang=ja).

Usage: screenshots.py SITE DESKTOP.png PHONE.png RANGES.png DESKTOP-JA.png RANGES-JA.png"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
import browser  # noqa: E402


def main(site, desktop_file, phone_file, ranges_file, desktop_ja_file, ranges_ja_file):
    with browser.serve(site) as url:
        # Wide enough for the template's layout, with a margin of the page around the window.
        driver = browser.chromium(size=(600, 560))
        try:
            browser.open_page(driver, url)
            app = driver.find_element("id", "app")
            with open(desktop_file, "wb") as out:
                out.write(app.screenshot_as_png)

            browser.set_viewport(driver, *browser.PHONE)
            browser.open_page(driver, url)
            with open(phone_file, "wb") as out:
                out.write(driver.get_screenshot_as_png())

            browser.open_page(driver, url + "?model=Hazel&range=5ms/div")
            driver.find_element("css selector", "#app .title-command").click()
            driver.find_element("xpath", "//*[@role='menuitem'][starts-with(., 'Fit')]").click()
            driver.switch_to.active_element.send_keys("1h\n")
            driver.find_element("css selector", "#app [data-command]").click()
            # Hovering nothing: the marks are the view's own.
            driver.execute_script("document.activeElement.blur()")
            with open(ranges_file, "wb") as out:
                out.write(driver.get_screenshot_as_png())

            browser.set_viewport(driver, 760, 560)
            browser.open_page(driver, url + "?lang=ja")
            with open(desktop_ja_file, "wb") as out:
                out.write(driver.find_element("id", "app").screenshot_as_png)
            browser.set_viewport(driver, *browser.PHONE)
            browser.open_page(driver, url + "?model=Hazel&range=5ms/div&lang=ja")
            driver.find_element("css selector", "#app [data-command]").click()
            driver.execute_script("document.activeElement.blur()")
            with open(ranges_ja_file, "wb") as out:
                out.write(driver.get_screenshot_as_png())
        finally:
            driver.quit()
    print(f"wrote {desktop_file}, {phone_file}, {ranges_file}, {desktop_ja_file} and "
          f"{ranges_ja_file}")


if __name__ == "__main__":
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    main(*sys.argv[1:])
