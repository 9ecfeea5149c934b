// Notices above the map: errors, warnings and short confirmations, each with a close button.

export class Messages {
  constructor(container) {
    this.container = container;
  }

  // kind: 'error', 'warning' or 'info'. A group lets clear() remove notices together; replace
  // removes the group's earlier notices first; timeoutMs closes the notice by itself.
  show(kind, text, { group = '', replace = false, timeoutMs = 0 } = {}) {
    if (replace) this.clear(group);
    const notice = document.createElement('div');
    notice.className = `notice ${kind}`;
    notice.dataset.group = group;
    notice.setAttribute('role', kind === 'error' ? 'alert' : 'status');
    const body = document.createElement('span');
    body.className = 'notice-text';
    body.textContent = text;
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'notice-close';
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u00d7';
    close.addEventListener('click', () => notice.remove());
    notice.append(body, close);
    this.container.append(notice);
    if (timeoutMs > 0) setTimeout(() => notice.remove(), timeoutMs);
    return notice;
  }

  clear(group) {
    for (const notice of this.container.querySelectorAll('.notice')) {
      if (notice.dataset.group === group) notice.remove();
    }
  }
}
