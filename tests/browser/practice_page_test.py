# SPDX-License-Identifier: GPL-3.0-or-later
"""The practice page in a real browser (headless Debian chromium), for pages
made by tesmoran-cli: checking, the wrong answer that is not revealed,
separating and ordering by mouse and by keyboard alone, the word bank of the
easy level, hostile text, no network request, and reading aloud, by the
browser's voice or by the sound the page carries.

    /usr/bin/python3 practice_page_test.py PATH/TO/tesmoran-cli
"""
import json
import os
import sys
import time
import unittest

from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from BrowserSupport import PageMaker, start_browser, stop_browser  # noqa: E402

CLI = None

SPEECH_STUB = """
window.__spoken = [];
window.SpeechSynthesisUtterance = function (text) { this.text = text; this.lang = ''; this.voice = null; };
Object.defineProperty(window, 'speechSynthesis', {configurable: true, value: {
  speak: function (u) { window.__spoken.push({text: u.text, lang: u.lang}); },
  cancel: function () {}, getVoices: function () { return []; }}});
"""
NO_SPEECH = "Object.defineProperty(window, 'speechSynthesis', {configurable: true, value: undefined});"
# Notes every sound the page starts, and then lets it play.
MEDIA_SPY = """
window.__sounds = [];
const realPlay = HTMLMediaElement.prototype.play;
HTMLMediaElement.prototype.play = function () { window.__sounds.push(this); return realPlay.call(this); };
"""


class PracticePage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pages = PageMaker(CLI)
        cls.driver = start_browser()

    @classmethod
    def tearDownClass(cls):
        stop_browser(cls.driver)
        cls.pages.remove()

    def setUp(self):
        self.scripts = []

    def tearDown(self):
        for identifier in self.scripts:
            self.driver.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument', {'identifier': identifier})

    def before_page(self, source):
        result = self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': source})
        self.scripts.append(result['identifier'])

    def open(self, text, exercises=(), level='schwer', extra=()):
        path = self.pages.make(text, exercises, level, extra)
        self.driver.get('file://' + path)
        return path

    def find(self, selector, within=None):
        return (within or self.driver).find_elements(By.CSS_SELECTOR, selector)

    def section(self, index=0):
        return self.find('section.uebung')[index]

    def result(self, section):
        return self.find('.ergebnis', section)[0].text

    def press(self, section, label):
        buttons = [b for b in self.find('button.knopf', section) if b.text == label]
        self.assertEqual(len(buttons), 1, label)
        buttons[0].click()

    def tab_to(self, matches, limit=200):
        """Presses Tab until the focused element satisfies matches(element)."""
        for _ in range(limit):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            if matches(self.driver.switch_to.active_element):
                return self.driver.switch_to.active_element
        self.fail('Tab never reached the element')

    # ---- checking ----

    def test_every_item_right_gives_n_of_n(self):
        text = 'Der Hund bellt laut. Die Katze schläft.'
        self.open(text, ['lueckentext', 'luecken-woerter', 'purzel-woerter'])
        words = [w.strip('.') for w in text.split()]
        gaps = self.section(0)
        for field, word in zip(self.find('input.feld', gaps), ['Hund', 'laut', 'Katze']):
            field.send_keys(word)
        self.press(gaps, 'Prüfen')
        self.assertEqual(self.result(gaps), '3 von 3 richtig')

        letters = self.section(1)
        items = self.find('.item', letters)
        self.assertEqual(len(items), len(words))
        for item, word in zip(items, words):
            boxes = self.find('input.kasten', item)
            shown = self.driver.execute_script(
                'return Array.from(arguments[0].childNodes).map(n => n.tagName === "INPUT" ? "_" : n.textContent)'
                '.join("").replace(/[✓✗]/g, "")', item)
            for box, (k, _) in zip(boxes, [(k, c) for k, c in enumerate(shown) if c == '_']):
                box.send_keys(word[k])
        self.press(letters, 'Prüfen')
        self.assertEqual(self.result(letters), '%d von %d richtig' % (len(words), len(words)))

        shuffled = self.section(2)
        fields = self.find('input.feld', shuffled)
        for field in fields:
            shown = self.find('.vorlage', field.find_element(By.XPATH, '..'))[0].text
            field.send_keys(next(w for w in words if sorted(w) == sorted(shown)))
        self.press(shuffled, 'Prüfen')
        self.assertEqual(self.result(shuffled), '%d von %d richtig' % (len(fields), len(fields)))
        self.assertEqual(len(self.find('.item.richtig', shuffled)), len(fields))

    def test_checking_ignores_surrounding_spaces_and_unicode_form_but_not_capitals(self):
        self.open('Ein Bär brummt.', ['lueckentext'])
        section = self.section()
        field = self.find('input.feld', section)[0]
        field.send_keys('  Ba\u0308r ')  # a + combining diaeresis
        self.press(section, 'Prüfen')
        self.assertEqual(self.result(section), '1 von 1 richtig')
        self.press(section, 'Nochmal')
        self.assertEqual(field.get_attribute('value'), '')
        field.send_keys('bär')
        self.press(section, 'Prüfen')
        self.assertEqual(self.result(section), '0 von 1 richtig')

    def test_typing_alone_enter_moves_on_and_the_check_button_takes_it(self):
        self.open('Der Hund bellt laut.', ['lueckentext'])
        first = self.find('input.feld')[0]
        first.click()
        ActionChains(self.driver).send_keys('Hund', Keys.ENTER, 'laut', Keys.ENTER).perform()
        self.assertEqual(self.driver.switch_to.active_element.text, 'Prüfen')
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(self.result(self.section()), '2 von 2 richtig')

    def test_wrong_answer_is_marked_and_not_revealed(self):
        self.open('Der Elefant trinkt Wasser.', ['lueckentext'])
        section = self.section()
        first, second = self.find('input.feld', section)
        first.send_keys('Giraffe')
        second.send_keys('Wasser')
        self.press(section, 'Prüfen')
        self.assertEqual(self.result(section), '1 von 2 richtig')
        items = self.find('.item', section)
        self.assertIn('falsch', items[0].get_attribute('class'))
        self.assertIn('richtig', items[1].get_attribute('class'))
        self.assertEqual(first.get_attribute('value'), 'Giraffe')
        self.assertNotIn('Elefant', self.driver.find_element(By.TAG_NAME, 'body').text)
        self.assertNotIn('Elefant', self.driver.page_source)

    # ---- separating and ordering ----

    def band_gaps(self):
        return self.find('.band button.fuge')

    def test_bandwurm_by_mouse(self):
        self.open('Der Hund bellt.', ['bandwurmtext'])
        section = self.section()
        gaps = self.band_gaps()  # DerHundbellt.: boundaries after index 2 and 6
        ActionChains(self.driver).click(gaps[0]).click(gaps[0]).perform()  # set and taken back
        for k in (2, 6):
            ActionChains(self.driver).click(gaps[k]).perform()
        self.assertEqual([g.get_attribute('aria-pressed') for g in gaps].count('true'), 2)
        self.press(section, 'Prüfen')
        self.assertEqual(self.result(section), '1 von 1 richtig')

    def test_bandwurm_by_keyboard_alone(self):
        self.open('Der Hund bellt.', ['bandwurmtext'])
        gaps = self.band_gaps()
        for k in (2, 6):
            self.tab_to(lambda e: e == gaps[k])
            ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.tab_to(lambda e: e.text == 'Prüfen')
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(self.result(self.section()), '1 von 1 richtig')

    def test_tiles_by_mouse(self):
        self.open('Der Hund bellt laut.', ['umkehrsatz'])
        section = self.section()
        tile = {t.text: t for t in self.find('button.kachel', section)}
        self.assertEqual(list(tile), ['laut.', 'bellt', 'Hund', 'Der'])
        for word in ('Der', 'bellt'):
            tile[word].click()
        tile['bellt'].click()  # back to the pool
        for word in ('Hund', 'bellt', 'laut.'):
            tile[word].click()
        self.assertEqual([t.text for t in self.find('.ziel button.kachel', section)], ['Der', 'Hund', 'bellt', 'laut.'])
        self.press(section, 'Prüfen')
        self.assertEqual(self.result(section), '1 von 1 richtig')

    def test_tiles_by_keyboard_alone(self):
        self.open('Oma liest gern. Opa auch!', ['rueckwaertssatz'])
        for word in ('Oma', 'liest', 'gern.', 'Opa', 'auch!'):
            self.tab_to(lambda e: e.text == word and 'kachel' in e.get_attribute('class')
                        and e.find_element(By.XPATH, '..').get_attribute('class') == 'vorrat')
            ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.tab_to(lambda e: e.text == 'Prüfen')
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(self.result(self.section()), '2 von 2 richtig')

    # ---- levels ----

    def test_word_bank_only_at_the_easy_level(self):
        path = self.pages.make('Der Hund bellt laut.', ['lueckentext'], 'alle')
        self.assertFalse(os.path.exists(path))
        stem = path[:-len('.html')]
        for level, stars, bank in (('leicht', '★', True), ('mittel', '★★', False), ('schwer', '★★★', False)):
            self.driver.get('file://%s-%s.html' % (stem, level))
            self.assertEqual(self.driver.find_element(By.ID, 'stufe').text, '%s %s' % (stars, level))
            banks = self.find('.woerterkasten')
            self.assertEqual(len(banks), 1 if bank else 0, level)
            if bank:
                self.assertEqual(self.find('h3', banks[0])[0].text, 'Wörterkasten')
                self.assertEqual(sorted(li.text for li in self.find('li', banks[0])), ['Hund', 'laut'])
            hints = [b for b in self.find('button.knopf') if b.text == 'Tipp']
            self.assertEqual(len(hints), 0 if level == 'schwer' else 1, level)

    def test_hint_reveals_the_next_letter_and_tries_are_unlimited_only_when_easy(self):
        for level, tries in (('leicht', None), ('mittel', 3)):
            self.open('Der Hund bellt laut.', ['lueckentext'], level)
            section = self.section()
            field = self.find('input.feld', section)[0]
            field.click()
            self.press(section, 'Tipp')
            self.assertEqual(field.get_attribute('value'), 'H')
            field.send_keys('x')
            self.press(section, 'Tipp')
            self.assertEqual(field.get_attribute('value'), 'Hu')
            check = [b for b in self.find('button.knopf', section) if b.text == 'Prüfen'][0]
            for _ in range(4):
                if check.is_enabled():
                    check.click()
            self.assertEqual(check.is_enabled(), tries is None, level)
            if tries:
                self.assertEqual(self.find('.versuche', section)[0].text,
                                 'Keine Versuche mehr. Mit „Nochmal“ fängst du neu an.')
                self.press(section, 'Nochmal')
                self.assertTrue(check.is_enabled())

    def test_solution_button_can_be_switched_off(self):
        self.open('Der Hund bellt laut.', ['lueckentext'], extra=['--ohne-loesung'])
        self.assertEqual([b.text for b in self.find('button.knopf') if b.text == 'Lösung zeigen'], [])
        self.open('Der Hund bellt laut.', ['lueckentext'])
        section = self.section()
        self.press(section, 'Lösung zeigen')
        self.assertEqual([f.get_attribute('value') for f in self.find('input.feld', section)], ['Hund', 'laut'])

    # ---- size and zoom ----

    EVERY = ['lueckentext', 'luecken-woerter', 'purzel-woerter', 'bandwurmtext', 'umkehrsatz']

    def boxes(self, selector):
        return self.driver.execute_script(
            'return Array.from(document.querySelectorAll(arguments[0])).map(e => {'
            '  const r = e.getBoundingClientRect(); return [e.className + " " + e.textContent, r.left, r.top, r.right, r.bottom]; })',
            selector)

    def test_targets_are_at_least_44_pixels(self):
        self.open('Der Igel sucht im Herbst ein Nest. Er sammelt Laub!', self.EVERY, 'leicht')
        for name, left, top, right, bottom in self.boxes('input, button:not(.fuge)'):
            self.assertGreaterEqual(right - left, 44, name)
            self.assertGreaterEqual(bottom - top, 44, name)
        for name, left, top, right, bottom in self.boxes('button.fuge'):
            self.assertGreaterEqual(bottom - top, 44, name)

    def test_200_percent_zoom_and_a_phone_need_no_sideways_scrolling_and_nothing_overlaps(self):
        text = 'Der Igel sucht im Herbst ein warmes Nest. Er sammelt Laub, Moos und kleine Äste.'
        for width, height, scale in ((640, 400, 2), (390, 844, 3)):
            self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                        {'width': width, 'height': height, 'deviceScaleFactor': scale,
                                         'mobile': width < 600})
            try:
                self.open(text, self.EVERY, 'leicht', ['--titel', 'Ein sehr langer Titel für eine Übungsseite'])
                overflow = self.driver.execute_script(
                    'return document.documentElement.scrollWidth - document.documentElement.clientWidth')
                self.assertLessEqual(overflow, 0, width)
                boxes = self.boxes('input, button:not(.fuge), h1, h2, .auftrag, #stufe')
                for i, a in enumerate(boxes):
                    for b in boxes[i + 1:]:
                        overlap_x = min(a[3], b[3]) - max(a[1], b[1])
                        overlap_y = min(a[4], b[4]) - max(a[2], b[2])
                        self.assertFalse(overlap_x > 1 and overlap_y > 1, '%s overlaps %s' % (a[0], b[0]))
            finally:
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                            {'width': 1280, 'height': 800, 'deviceScaleFactor': 1, 'mobile': False})

    # ---- safety ----

    HOSTILE = ('<script>window.__pwned = 1; alert(1)</script> & "Zitat" \'x\' \u2028 \u202Eabc '
               '</script><img src="http://example.invalid/x.png" onerror="window.__pwned = 2; confirm(2)"> Ende.')

    def test_hostile_text_shows_literally_and_runs_nothing(self):
        self.open(self.HOSTILE, ['umkehrsatz'], extra=['--titel', '<b onclick=alert(3)>Titel</b>'])
        with self.assertRaises(NoAlertPresentException):
            self.driver.switch_to.alert.text
        self.assertIsNone(self.driver.execute_script('return window.__pwned'))
        self.assertEqual(self.find('img'), [])
        self.assertEqual(self.driver.find_element(By.ID, 'titel').text, '<b onclick=alert(3)>Titel</b>')
        shown = self.driver.execute_script(
            'return Array.from(document.querySelectorAll(".kachel")).map(n => n.textContent).join(" ")')
        for literal in ('alert(1)</script>', '</script><img', '&', '"Zitat"', '\u2028', '\u202Eabc'):
            self.assertIn(literal, shown)
        self.assertEqual(len(self.find('script')), 2)

    def network_requests(self):
        requests = []
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message.get('method') == 'Network.requestWillBeSent':
                requests.append(message['params']['request']['url'])
        return requests

    def test_the_browser_reports_no_network_request(self):
        self.network_requests()  # empties the log
        every = ['lueckentext', 'luecken-woerter', 'purzel-woerter', 'bandwurmtext', 'umkehrsatz', 'mitlaute']
        path = self.open(self.HOSTILE + ' Der Hund bellt laut.', every, 'leicht', ['--silben'])
        for button in self.find('button.knopf'):
            if button.text in ('Prüfen', 'Tipp', 'Lösung zeigen'):
                button.click()
        requests = self.network_requests()
        self.assertIn('file://' + path, requests)  # the log sees the page's own load
        self.assertEqual([url for url in requests if not url.startswith('data:') and url != 'file://' + path], [])

    # ---- reading aloud ----

    def test_vorlesen_speaks_the_sentence_in_german(self):
        self.before_page(SPEECH_STUB)
        self.open('Der Hund bellt. Die Katze schläft im Körbchen.', ['lueckentext'])
        section = self.section()
        fields = self.find('input.feld', section)
        fields[-1].click()  # a gap of the second sentence
        self.press(section, 'Vorlesen')
        spoken = self.driver.execute_script('return window.__spoken')
        self.assertEqual(spoken, [{'text': 'Die Katze schläft im Körbchen.', 'lang': 'de-DE'}])

    def test_vorlesen_plays_the_sound_in_the_page_with_or_without_speech_synthesis(self):
        for name, speech in (('no speech synthesis', NO_SPEECH), ('speech synthesis there', SPEECH_STUB)):
            with self.subTest(name):
                self.tearDown()
                self.setUp()
                self.before_page(speech)
                self.before_page(MEDIA_SPY)
                self.network_requests()  # empties the log
                path = self.open('Der Hund bellt. Die Katze schläft im Körbchen.', ['lueckentext'],
                                 extra=['--vorlesen'])
                section = self.section()
                self.find('input.feld', section)[-1].click()  # a gap of the second sentence
                self.press(section, 'Vorlesen')
                sound = self.driver.execute_script(
                    'const ton = JSON.parse(document.getElementById("daten").textContent).ton;'
                    'const played = window.__sounds.map((a) => a.src);'
                    'return {played: played, second: "data:audio/ogg;codecs=opus;base64," + ton[1]};')
                self.assertEqual(sound['played'], [sound['second']])
                # The browser decodes it: a sound of about the sentence's length, no error.
                state = None
                for _ in range(100):
                    state = self.driver.execute_script(
                        'const a = window.__sounds[0];'
                        'return {ready: a.readyState, error: a.error && a.error.code, seconds: a.duration};')
                    if state['ready'] >= 1 or state['error']:
                        break
                    time.sleep(0.05)
                self.assertIsNone(state['error'])
                self.assertGreater(state['seconds'], 1.0)
                self.assertLess(state['seconds'], 6.0)
                if speech == SPEECH_STUB:
                    self.assertEqual(self.driver.execute_script('return window.__spoken'), [])
                requests = self.network_requests()
                self.assertEqual([url for url in requests if not url.startswith('data:') and url != 'file://' + path],
                                 [])

    def test_vorlesen_is_hidden_without_speech_synthesis(self):
        self.before_page(NO_SPEECH)
        self.open('Der Hund bellt.', ['lueckentext'])
        self.assertEqual([b for b in self.find('button.knopf') if b.text == 'Vorlesen'], [])
        self.assertEqual(len([b for b in self.find('button.knopf') if b.text == 'Prüfen']), 1)


if __name__ == '__main__':
    if len(sys.argv) < 2:
        sys.exit('usage: practice_page_test.py PATH/TO/tesmoran-cli')
    CLI = sys.argv.pop(1)
    unittest.main(verbosity=2)
