// What the browser prints: the map on one landscape page under its caption, over the settings
// footer; then, when the rooms are numbered, the key on portrait pages as the desktop's "Print
// Dressing" lays it out (the caption, a block a room: its number, size, the dressing it got and
// its doors), and the footer once more at its end.

function element(tag, properties = {}, ...children) {
  const node = document.createElement(tag);
  Object.assign(node, properties);
  node.append(...children);
  return node;
}

function roomBlock(room) {
  const block = element('div', { className: 'print-room' });
  block.append(
    element('p', { textContent: `Room ${room.number}` }),
    element('p', { textContent: `Size ${room.size}` }),
  );
  for (const { label, text } of room.entries) {
    block.append(element('p', { textContent: label }), element('p', { className: 'indented', textContent: text }));
  }
  block.append(element('p', { textContent: 'Door(s):' }));
  for (const line of room.doors) block.append(element('p', { className: 'indented', textContent: line }));
  return block;
}

// Fills the sheet: picture (ImageData), caption, footer and key (see dungeonKey, or null).
export function preparePrintSheet({ mapCanvas, captionLine, footerLine, keyPart }, { picture, caption, footer, key }) {
  mapCanvas.width = picture.width;
  mapCanvas.height = picture.height;
  mapCanvas.getContext('2d').putImageData(picture, 0, 0);
  captionLine.textContent = caption;
  footerLine.textContent = footer;
  keyPart.replaceChildren();
  if (!key || !key.numbered || key.rooms.length === 0) return;
  keyPart.append(element('h1', { textContent: key.levels > 1 ? `${caption} - Level ${key.level}` : caption }));
  for (const room of key.rooms) keyPart.append(roomBlock(room));
  if (key.stairs.length > 0) {
    const stairs = element('div', { className: 'print-room' }, element('p', { textContent: 'Stairs:' }));
    for (const staircase of key.stairs) {
      const where = staircase.room === null ? 'in a corridor' : `in room ${staircase.room}`;
      const direction = staircase.direction === 'down' ? 'Down' : 'Up';
      stairs.append(element('p', { className: 'indented', textContent: `${direction}, ${where}` }));
    }
    keyPart.append(stairs);
  }
  keyPart.append(element('p', { className: 'print-footer', textContent: footer }));
}
