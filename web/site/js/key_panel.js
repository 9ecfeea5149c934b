// The key beside the map: one entry a room (its number, size, dressing and doors) and one a
// staircase, each a button in the tab order. Choosing an entry opens it and hands its room or
// staircase to onChoose (which highlights it on the map); choosing a room on the map opens its
// entry through showRoom. Up and Down, Home and End move between the entries.

function element(tag, properties = {}, ...children) {
  const node = document.createElement(tag);
  Object.assign(node, properties);
  node.append(...children);
  return node;
}

const DIRECTION_WORDS = { down: 'Down', up: 'Up' };

export class KeyPanel {
  // list: the element the entries go in; note: where a sentence stands when there are none;
  // onChoose({ pixels, room }) runs when an entry is chosen.
  constructor({ list, note, onChoose }) {
    this.list = list;
    this.note = note;
    this.onChoose = onChoose;
    this.key = null;
    list.addEventListener('keydown', (event) => this.onKey(event));
  }

  // Shows key (see dungeonKey), or nothing for null.
  render(key) {
    this.key = key;
    this.list.replaceChildren();
    if (!key) {
      this.note.textContent = '';
      return;
    }
    if (!key.numbered) {
      this.note.textContent = 'The rooms are not numbered on this map, so it has no key.';
      return;
    }
    this.note.textContent = key.rooms.length === 0 ? 'This map has no rooms.' : '';
    const prefix = key.levels > 1 ? `level-${key.level}-` : '';
    for (const room of key.rooms) this.list.append(this.roomEntry(room, prefix));
    key.stairs.forEach((staircase, index) => this.list.append(this.stairsEntry(staircase, index, prefix)));
  }

  roomEntry(room, prefix) {
    const id = `key-${prefix}room-${room.number}`;
    const summary = room.entries.length > 0 ? room.entries[0].text : undressedSummary(room);
    const head = element(
      'button',
      { type: 'button', className: 'key-head', id },
      element('span', { className: 'key-number', textContent: String(room.number) }),
      element('span', { className: 'key-title', textContent: `Room ${room.number}` }),
      element('span', { className: 'key-summary', textContent: summary }),
    );
    const details = element('dl', { className: 'key-details' });
    details.append(element('dt', { textContent: 'Size' }), element('dd', { textContent: room.size }));
    for (const { label, text } of room.entries) {
      details.append(element('dt', { textContent: label }), element('dd', { textContent: text }));
    }
    const doors = element('ul', { className: 'key-doors' });
    for (const line of room.doors) doors.append(element('li', { textContent: line }));
    details.append(element('dt', { textContent: 'Door(s)' }), element('dd', {}, doors));
    return this.entry(head, details, { pixels: room.pixels, room: room.number }, `room-${room.number}`);
  }

  stairsEntry(staircase, index, prefix) {
    const place = staircase.room === null ? 'in a corridor' : `in room ${staircase.room}`;
    const where = staircase.leadsTo === null ? place : `${place}, to level ${staircase.leadsTo}`;
    const head = element(
      'button',
      { type: 'button', className: 'key-head', id: `key-${prefix}stairs-${index + 1}` },
      element('span', {
        className: 'key-number key-stairs',
        textContent: staircase.direction === 'down' ? '\u2193' : '\u2191',
      }),
      element('span', {
        className: 'key-title',
        textContent: `Stairs ${DIRECTION_WORDS[staircase.direction] ?? staircase.direction}`,
      }),
      element('span', { className: 'key-summary', textContent: where }),
    );
    return this.entry(head, null, { pixels: staircase.pixels, room: staircase.room }, `stairs-${index + 1}`);
  }

  entry(head, details, target, name) {
    const item = element('li', { className: 'key-entry' });
    item.dataset.entry = name;
    item.append(head);
    if (details) {
      details.id = `${head.id}-details`;
      details.hidden = true;
      head.setAttribute('aria-expanded', 'false');
      head.setAttribute('aria-controls', details.id);
      item.append(details);
    }
    head.addEventListener('click', () => this.choose(item, target, { toggle: true }));
    return item;
  }

  // Marks item as the chosen entry and opens it (toggle: or closes it when it was open); focus
  // moves the focus to it and shows it from its top.
  choose(item, target, { toggle = false, focus = false } = {}) {
    const head = item.querySelector('.key-head');
    const details = item.querySelector('.key-details');
    for (const other of this.list.querySelectorAll('.key-entry.chosen')) {
      if (other !== item) other.classList.remove('chosen');
    }
    item.classList.add('chosen');
    head.setAttribute('aria-current', 'true');
    for (const other of this.list.querySelectorAll('.key-head[aria-current]')) {
      if (other !== head) other.removeAttribute('aria-current');
    }
    if (details) {
      const open = toggle ? details.hidden : true;
      details.hidden = !open;
      head.setAttribute('aria-expanded', String(open));
    }
    if (focus) head.focus({ preventScroll: true });
    item.scrollIntoView({ block: focus ? 'start' : 'nearest' });
    this.onChoose(target);
  }

  // Opens the entry of room number (chosen on the map); false when the key has none.
  showRoom(number) {
    const item = this.list.querySelector(`.key-entry[data-entry="room-${number}"]`);
    if (!item) return false;
    const room = this.key.rooms.find((r) => r.number === number);
    this.choose(item, { pixels: room.pixels, room: number }, { focus: true });
    return true;
  }

  onKey(event) {
    const heads = [...this.list.querySelectorAll('.key-head')];
    const at = heads.indexOf(document.activeElement);
    if (at < 0) return;
    const next = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: heads.length - 1 }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    heads[Math.max(0, Math.min(heads.length - 1, next))].focus();
  }
}

// What a room's entry says in one line when the map was not dressed: its size and doors.
function undressedSummary(room) {
  const doors = room.doors.length === 1 ? '1 door' : `${room.doors.length} doors`;
  return `${room.size}, ${doors}`;
}
