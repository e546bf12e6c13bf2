# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless Debian chromium for the tests of the practice page: a fresh
profile per browser, nothing that calls home, the performance log on so that
every network request can be seen, and pages made by tesmoran-cli."""
import os
import shutil
import subprocess
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'


def start_browser(width=1280, height=800):
    profile = tempfile.mkdtemp(prefix='tesmoran-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--no-first-run',
                     '--disable-default-apps', '--hide-scrollbars', '--user-data-dir=' + profile):
        options.add_argument(argument)
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                           {'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 600})
    driver.tesmoran_profile = profile
    return driver


def stop_browser(driver):
    profile = driver.tesmoran_profile
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)


class PageMaker:
    """Writes practice pages with tesmoran-cli into a folder of its own."""

    def __init__(self, cli):
        self.cli = cli
        self.folder = tempfile.mkdtemp(prefix='tesmoran-pages-')
        self.count = 0

    def make(self, text, exercises=(), level=None, extra=()):
        self.count += 1
        path = os.path.join(self.folder, 'seite%d.html' % self.count)
        command = [self.cli, 'uebungsseite', '--html', path, '--text', text]
        for name in exercises:
            command += ['--uebung', name]
        if level:
            command += ['--stufe', level]
        command += list(extra)
        result = subprocess.run(command, capture_output=True, text=True)
        if result.returncode != 0:
            raise AssertionError('tesmoran-cli failed (%d): %s' % (result.returncode, result.stderr))
        return path

    def remove(self):
        shutil.rmtree(self.folder, ignore_errors=True)
