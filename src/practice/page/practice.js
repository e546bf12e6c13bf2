// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's script: builds the exercises from the page's data,
// checks the pupil's answers, gives the aids of the level.  Every text of
// the data goes into the page as text, never as markup.
'use strict';
(function () {
  const data = JSON.parse(document.getElementById('daten').textContent);
  const LEVELS = [['★', 'leicht'], ['★★', 'mittel'], ['★★★', 'schwer']];
  const level = data.stufe;
  const easy = level === 0;
  const hintsAllowed = level <= 1;
  const maxTries = easy ? Infinity : 3;
  const canSpeak = typeof window.speechSynthesis === 'object' && window.speechSynthesis !== null &&
      typeof window.SpeechSynthesisUtterance === 'function';
  // The sentences as sound (Ogg Opus in Base64) when the page carries them.
  const sounds = Array.isArray(data.ton) ? data.ton : [];
  let sound = null;

  // The answers are XOR-ed with an xorshift32 stream and Base64-coded.
  function reveal(hidden) {
    const bin = atob(hidden);
    const bytes = new Uint8Array(bin.length);
    let x = (data.schluessel | 1) >>> 0;
    for (let i = 0; i < bin.length; ++i) {
      x = (x ^ (x << 13)) >>> 0;
      x = (x ^ (x >>> 17)) >>> 0;
      x = (x ^ (x << 5)) >>> 0;
      bytes[i] = bin.charCodeAt(i) ^ (x & 255);
    }
    return new TextDecoder('utf-8').decode(bytes);
  }

  // Capitals count; spaces around the answer and Unicode forms do not.
  function norm(text) { return text.normalize('NFC').trim(); }

  function el(tag, className, text) {
    const node = document.createElement(tag);
    if (className) node.className = className;
    if (text !== undefined) node.textContent = text;
    return node;
  }

  function button(label, className, onClick) {
    const b = el('button', className, label);
    b.type = 'button';
    b.addEventListener('click', onClick);
    return b;
  }

  // A field for about `size` characters; no narrower than a touch target.
  function textField(className, size, label) {
    const input = el('input', className);
    input.type = 'text';
    input.size = Math.max(2, size);
    if (className === 'feld') input.style.width = 'calc(' + Math.max(2, size) * 0.62 + 'em + 1.2rem)';
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.setAttribute('autocapitalize', 'off');
    input.setAttribute('autocorrect', 'off');
    input.setAttribute('aria-label', label);
    return input;
  }

  function shuffled(list) {
    const copy = list.slice();
    for (let i = copy.length - 1; i > 0; --i) {
      const j = Math.floor(Math.random() * (i + 1));
      [copy[i], copy[j]] = [copy[j], copy[i]];
    }
    return copy;
  }

  // Text in the reading-syllable colours: one of "0", "1" or "-" per character.
  function colouredText(text, colours) {
    const span = el('span', 'stueck');
    span.dir = 'ltr';
    if (!colours) {
      span.textContent = text;
      return span;
    }
    const chars = Array.from(text);
    let start = 0;
    for (let k = 1; k <= chars.length; ++k) {
      if (k < chars.length && colours[k] === colours[start]) continue;
      const part = chars.slice(start, k).join('');
      const colour = colours[start];
      span.appendChild(colour === '0' || colour === '1' ? el('span', colour === '0' ? 'sa' : 'sb', part)
                                                       : document.createTextNode(part));
      start = k;
    }
    return span;
  }

  function colourAt(colours, index) { return colours ? colours[index] || '-' : '-'; }

  // ---- the items: each has node, check(), solve(), reset(), hint(), lock(on) ----

  // An item answered by typing the whole answer into one field.
  function typedItem(node, input, answer) {
    return {
      node, answer, bankWord: answer,
      check: () => norm(input.value) === norm(answer),
      solve: () => { input.value = answer; },
      reset: () => { input.value = ''; },
      hint: () => { input.value = nextLetter(input.value, answer); input.focus(); },
      lock: (on) => { input.readOnly = on; },
    };
  }

  function gapItem(piece, answer) {
    const node = el('span', 'item');
    const input = textField('feld', Math.ceil(Array.from(piece.t).length / 2) + 1, 'Lücke');
    node.appendChild(input);
    return typedItem(node, input, answer);
  }

  function wordItem(piece, answer) {
    const node = el('span', 'item wortpaar');
    const shown = el('span', 'vorlage', piece.t);
    shown.dir = 'ltr';
    node.appendChild(shown);
    const input = textField('feld', Array.from(answer).length + 1, 'Wort zu „' + piece.t + '“');
    node.appendChild(input);
    return typedItem(node, input, answer);
  }

  function nextLetter(value, answer) {
    const typed = Array.from(norm(value));
    const wanted = Array.from(answer);
    let same = 0;
    while (same < typed.length && same < wanted.length && typed[same] === wanted[same]) ++same;
    return wanted.slice(0, Math.min(wanted.length, same + 1)).join('');
  }

  function lettersItem(piece, answer) {
    const node = el('span', 'item buchstabenwort');
    node.dir = 'ltr';
    const shown = Array.from(piece.t);
    const filled = Array.from(answer);
    const boxes = [];
    shown.forEach((c, k) => {
      if (c === '_' && filled[k] !== ' ') {
        const box = textField('kasten', 1, 'Buchstabe');
        box.maxLength = 2;
        box.dataset.want = filled[k];
        box.addEventListener('input', () => {
          if (box.value.length >= 1 && boxes.indexOf(box) + 1 < boxes.length) boxes[boxes.indexOf(box) + 1].focus();
        });
        boxes.push(box);
        node.appendChild(box);
      } else {
        const colour = colourAt(piece.f, k);
        node.appendChild(el('span', colour === '0' ? 'sa' : colour === '1' ? 'sb' : '', c === '_' ? ' ' : c));
      }
    });
    return {
      node, answer, bankWord: answer,
      check: () => boxes.every((b) => norm(b.value) === b.dataset.want),
      solve: () => boxes.forEach((b) => { b.value = b.dataset.want; }),
      reset: () => boxes.forEach((b) => { b.value = ''; }),
      hint: () => {
        const box = boxes.find((b) => norm(b.value) !== b.dataset.want);
        if (box) { box.value = box.dataset.want; box.focus(); }
      },
      lock: (on) => boxes.forEach((b) => { b.readOnly = on; }),
    };
  }

  function splitItem(piece, answer) {
    const node = el('span', 'item band');
    node.dir = 'ltr';
    const chars = Array.from(piece.t);
    const gaps = [];
    chars.forEach((c, k) => {
      const letter = el('span', 'zeichen', c);
      letter.addEventListener('click', (event) => {
        const box = letter.getBoundingClientRect();
        const after = event.clientX > box.left + box.width / 2;
        const gap = gaps[after ? k : k - 1];
        if (gap && !gap.disabled) gap.click();
      });
      node.appendChild(letter);
      if (k + 1 < chars.length) {
        const gap = el('button', 'fuge');
        gap.type = 'button';
        gap.setAttribute('aria-pressed', 'false');
        gap.setAttribute('aria-label', 'Grenze zwischen „' + c + '“ und „' + chars[k + 1] + '“');
        gap.addEventListener('click', () => {
          gap.setAttribute('aria-pressed', gap.getAttribute('aria-pressed') === 'true' ? 'false' : 'true');
        });
        gap.addEventListener('keydown', (event) => {
          const step = event.key === 'ArrowRight' ? 1 : event.key === 'ArrowLeft' ? -1 : 0;
          const next = gaps[gaps.indexOf(gap) + step];
          if (step && next) { next.focus(); event.preventDefault(); }
        });
        gaps.push(gap);
        node.appendChild(gap);
      }
    });
    const joined = () => chars.map((c, k) => c + (gaps[k] && gaps[k].getAttribute('aria-pressed') === 'true' ? ' ' : '')).join('');
    const press = (gap, on) => gap.setAttribute('aria-pressed', on ? 'true' : 'false');
    return {
      node, answer,
      check: () => norm(joined()) === norm(answer),
      solve: () => splitItemSolution(chars, answer).forEach((on, k) => press(gaps[k], on)),
      reset: () => gaps.forEach((g) => press(g, false)),
      hint: () => {
        const copy = gaps.map((g) => g.getAttribute('aria-pressed'));
        const solved = splitItemSolution(chars, answer);
        const k = solved.findIndex((on, i) => (on ? 'true' : 'false') !== copy[i]);
        if (k >= 0) { press(gaps[k], solved[k]); gaps[k].focus(); }
      },
      lock: (on) => gaps.forEach((g) => { g.disabled = on; }),
    };
  }

  // Which boundaries the answer has: it is the shown text with spaces put in.
  function splitItemSolution(chars, answer) {
    const wanted = Array.from(answer);
    const pressed = [];
    let j = 0;
    chars.forEach((c, k) => {
      while (j < wanted.length && wanted[j] !== c) ++j;
      ++j;
      if (k + 1 < chars.length) pressed.push(wanted[j] === ' ' && chars[k + 1] !== ' ');
    });
    return pressed;
  }

  function tilesItem(piece, answer) {
    const node = el('div', 'item ordnen');
    const shown = el('p', 'vorlage', piece.t);
    shown.dir = 'ltr';
    const target = el('div', 'ziel');
    target.setAttribute('aria-label', 'Dein Satz');
    const pool = el('div', 'vorrat');
    pool.setAttribute('aria-label', 'Wörter');
    node.append(shown, target, pool);
    let dragged = null;
    const tiles = piece.k.map((word) => {
      const tile = button(word, 'kachel', () => {
        if (tile.disabled) return;
        (tile.parentNode === pool ? target : pool).appendChild(tile);
        tile.focus();
      });
      tile.dir = 'ltr';
      tile.draggable = true;
      tile.addEventListener('dragstart', (event) => {
        dragged = tile;
        event.dataTransfer.setData('text/plain', word);
        event.dataTransfer.effectAllowed = 'move';
      });
      pool.appendChild(tile);
      return tile;
    });
    for (const row of [target, pool]) {
      row.addEventListener('dragover', (event) => { if (dragged) event.preventDefault(); });
      row.addEventListener('drop', (event) => {
        event.preventDefault();
        if (!dragged || dragged.disabled) return;
        const before = tiles.find((t) => t !== dragged && t.parentNode === row &&
            event.clientX < t.getBoundingClientRect().left + t.getBoundingClientRect().width / 2 &&
            event.clientY < t.getBoundingClientRect().bottom);
        row.insertBefore(dragged, before || null);
        dragged = null;
      });
    }
    const placed = () => Array.from(target.children).map((t) => t.textContent);
    const solution = () => {
      // The tiles in the sentence's order: each word of the sentence takes the first tile that is still free.
      const free = tiles.slice();
      return answer.split(' ').filter((w) => w !== '').map((w) => free.splice(free.findIndex((t) => t.textContent === w), 1)[0]);
    };
    return {
      node, answer,
      check: () => pool.children.length === 0 && norm(placed().join(' ')) === norm(answer),
      solve: () => solution().forEach((t) => target.appendChild(t)),
      reset: () => tiles.forEach((t) => pool.appendChild(t)),
      hint: () => {
        const right = solution();
        const now = Array.from(target.children);
        let same = 0;
        while (same < now.length && now[same].textContent === right[same].textContent) ++same;
        now.slice(same).forEach((t) => pool.appendChild(t));
        if (same < right.length) { target.appendChild(right[same]); right[same].focus(); }
      },
      lock: (on) => tiles.forEach((t) => { t.disabled = on; }),
    };
  }

  const MAKERS = { luecke: gapItem, buchstaben: lettersItem, wort: wordItem, trennen: splitItem, ordnen: tilesItem };
  const TYPING = { luecke: true, buchstaben: true, wort: true };

  function speakWithBrowser(index) {
    const utterance = new SpeechSynthesisUtterance(reveal(data.saetze[index]));
    utterance.lang = 'de-DE';
    const voices = typeof speechSynthesis.getVoices === 'function' ? speechSynthesis.getVoices() : [];
    const german = (voices || []).find((v) => v && typeof v.lang === 'string' && v.lang.toLowerCase().startsWith('de'));
    if (german) utterance.voice = german;
    speechSynthesis.cancel();
    speechSynthesis.speak(utterance);
  }

  // The sentence's own sound when the page has it, else the browser's voice;
  // a browser that cannot play the sound falls back to its voice as well.
  function readAloud(index) {
    if (sound) sound.pause();
    sound = null;
    if (typeof sounds[index] !== 'string' || sounds[index] === '') {
      if (canSpeak) speakWithBrowser(index);
      return;
    }
    if (canSpeak) speechSynthesis.cancel();
    sound = new Audio('data:audio/ogg;codecs=opus;base64,' + sounds[index]);
    const playing = sound.play();
    if (playing && typeof playing.catch === 'function') {
      playing.catch((error) => { if (canSpeak && error && error.name === 'NotSupportedError') speakWithBrowser(index); });
    }
  }

  function buildSection(exercise, index) {
    const section = el('section', 'uebung form-' + exercise.form);
    const heading = el('h2', '', exercise.name);
    heading.id = 'uebung-' + index;
    section.setAttribute('aria-labelledby', heading.id);
    section.append(heading, el('p', 'auftrag', exercise.auftrag));

    const items = [];
    const body = el('div', 'text');
    let first = true;
    let sentence = 0;
    const blocks = exercise.form === 'trennen' || exercise.form === 'ordnen';
    for (const piece of exercise.teile) {
      if (piece.nl && !first && !blocks) body.appendChild(el('br'));
      first = false;
      if (piece.s !== undefined) sentence = piece.s;
      if (piece.a === undefined) {
        body.appendChild(colouredText(piece.t, piece.f));
        continue;
      }
      const item = MAKERS[exercise.form](piece, reveal(piece.a));
      item.sentence = sentence;
      item.mark = el('span', 'marke');
      item.mark.setAttribute('role', 'img');
      item.node.appendChild(item.mark);
      item.node.addEventListener('focusin', () => { current = item; });
      items.push(item);
      body.appendChild(item.node);
    }
    let current = items[0] || null;

    if (easy && TYPING[exercise.form] && items.length > 0) {
      const bank = el('aside', 'woerterkasten');
      bank.append(el('h3', '', 'Wörterkasten'));
      const list = el('ul');
      for (const word of shuffled(items.map((item) => item.bankWord))) list.appendChild(el('li', '', word));
      bank.appendChild(list);
      section.appendChild(bank);
    }
    section.appendChild(body);

    const result = el('p', 'ergebnis');
    result.setAttribute('aria-live', 'polite');
    const tries = el('p', 'versuche');
    const buttons = el('div', 'knoepfe');
    let used = 0;

    function setMark(item, state) {
      item.node.classList.remove('richtig', 'falsch', 'geloest');
      if (state) item.node.classList.add(state);
      item.mark.textContent = state === 'richtig' ? '✓' : state === 'falsch' ? '✗' : '';
      item.mark.title = state === 'richtig' ? 'richtig' : state === 'falsch' ? 'noch nicht richtig' : '';
      item.mark.setAttribute('aria-label', item.mark.title);
    }

    const check = button('Prüfen', 'knopf pruefen', () => {
      if (used >= maxTries) return;
      ++used;
      let right = 0;
      for (const item of items) {
        const ok = item.check();
        if (ok) ++right;
        setMark(item, ok ? 'richtig' : 'falsch');
        item.lock(ok);
      }
      result.textContent = right + ' von ' + items.length + ' richtig';
      if (right < items.length && maxTries !== Infinity) {
        const left = maxTries - used;
        tries.textContent = left > 0 ? 'Noch ' + left + (left === 1 ? ' Versuch.' : ' Versuche.')
                                     : 'Keine Versuche mehr. Mit „Nochmal“ fängst du neu an.';
        if (left === 0) { items.forEach((item) => item.lock(true)); check.disabled = true; }
      } else {
        tries.textContent = '';
      }
    });
    const again = button('Nochmal', 'knopf nochmal', () => {
      used = 0;
      check.disabled = false;
      for (const item of items) { item.reset(); item.lock(false); setMark(item, ''); }
      result.textContent = '';
      tries.textContent = '';
      if (items[0]) current = items[0];
    });
    buttons.append(check, again);
    if (hintsAllowed && items.length > 0) {
      buttons.appendChild(button('Tipp', 'knopf tipp', () => { if (current && !current.node.classList.contains('richtig')) current.hint(); }));
    }
    if (data.loesung && items.length > 0) {
      buttons.appendChild(button('Lösung zeigen', 'knopf loesung', () => {
        for (const item of items) {
          if (!item.check()) { item.solve(); setMark(item, 'geloest'); }
          item.lock(true);
        }
        check.disabled = true;
      }));
    }
    if (canSpeak || sounds.length > 0) {
      buttons.appendChild(button('Vorlesen', 'knopf vorlesen', () => {
        const index = current ? current.sentence : 0;
        if (index < data.saetze.length) readAloud(index);
      }));
    }
    if (items.length === 0) {
      check.disabled = true;
      result.textContent = 'In diesem Text gibt es hier nichts zu üben.';
    }
    // Enter in a field goes on to the next open field, after the last one to "Prüfen".
    section.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.target.tagName !== 'INPUT') return;
      event.preventDefault();
      const fields = Array.from(section.querySelectorAll('input')).filter((f) => !f.readOnly);
      const next = fields[fields.indexOf(event.target) + 1];
      (next || (check.disabled ? again : check)).focus();
    });
    section.append(buttons, result, tries);
    return section;
  }

  document.getElementById('titel').textContent = data.titel;
  const [stars, name] = LEVELS[level] || LEVELS[0];
  const badge = document.getElementById('stufe');
  badge.append(el('span', 'sterne', stars), document.createTextNode(' ' + name));
  badge.setAttribute('aria-label', 'Stufe ' + name);
  const holder = document.getElementById('uebungen');
  data.uebungen.forEach((exercise, index) => holder.appendChild(buildSection(exercise, index)));
})();
