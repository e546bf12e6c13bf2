# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the README's pictures of the practice page in headless chromium: a
page at 1280 x 800 and on a phone at 390 x 844, with a few gaps filled in
and checked.

    /usr/bin/python3 scripts/practice_page_screenshots.py PATH/TO/tesmoran-cli docs/
"""
import os
import sys
import time

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'browser'))
from BrowserSupport import PageMaker, start_browser, stop_browser  # noqa: E402

TEXT = ('Der Igel sucht im Herbst ein warmes Nest. Er sammelt Laub, Moos und kleine Äste.\n'
        'Im Winter schläft er fest, bis die Sonne wieder scheint.')
EXERCISES = ['lueckentext', 'luecken-woerter', 'bandwurmtext', 'umkehrsatz']


def picture(cli, out, width, height, scale):
    pages = PageMaker(cli)
    driver = start_browser(width, height)
    try:
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               {'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': width < 600})
        path = pages.make(TEXT, EXERCISES, 'leicht', ['--titel', 'Der Igel im Herbst'])
        driver.get('file://' + path)
        fields = driver.find_elements(By.CSS_SELECTOR, 'section.uebung input.feld')
        for field, word in zip(fields, ['Igel', 'im', 'Nest', 'Laub']):
            field.send_keys(word)
        driver.find_element(By.CSS_SELECTOR, 'section.uebung button.pruefen').click()
        driver.execute_script('document.activeElement.blur(); window.scrollTo(0, 0)')
        time.sleep(0.3)
        driver.save_screenshot(out)
    finally:
        stop_browser(driver)
        pages.remove()


if __name__ == '__main__':
    cli, folder = sys.argv[1], sys.argv[2]
    picture(cli, os.path.join(folder, 'uebungsseite.png'), 1280, 800, 1)
    picture(cli, os.path.join(folder, 'uebungsseite-handy.png'), 390, 844, 1)
