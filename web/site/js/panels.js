// The parts of the page that open and close: the options (always shown on wide screens, a panel
// over the page on narrow ones), the save menu (a row of buttons on wide screens, a menu on
// narrow ones) and the key beside or below the map. Each has a button with aria-expanded; Escape
// closes the options and the menu and gives the focus back to their button.

export const NARROW_SCREEN = '(max-width: 760px)';
// Wide enough for the options, the map and the key side by side: the key starts open.
const ROOM_FOR_KEY = '(min-width: 1200px)';

export function isNarrow() {
  return window.matchMedia(NARROW_SCREEN).matches;
}

// A button that shows and hides a panel: the panel gets the class "open", the button
// aria-expanded.
class Toggle {
  constructor(button, panel, onChange = () => {}) {
    this.button = button;
    this.panel = panel;
    this.onChange = onChange;
    button.setAttribute('aria-controls', panel.id);
    button.addEventListener('click', () => this.set(!this.isOpen));
    this.set(false);
  }

  get isOpen() {
    return this.button.getAttribute('aria-expanded') === 'true';
  }

  set(open) {
    this.button.setAttribute('aria-expanded', String(open));
    this.panel.classList.toggle('open', open);
    this.onChange(open);
  }
}

export class Panels {
  constructor({
    optionsToggle,
    optionsClose,
    optionsPanel,
    backdrop,
    saveToggle,
    saveMenu,
    keyToggle,
    keyPanel,
    keyChanged,
  }) {
    // Over the page, the options panel is the only part in use: the rest is inert until it closes.
    this.options = new Toggle(optionsToggle, optionsPanel, (open) => {
      backdrop.hidden = !open;
      for (const part of document.querySelectorAll('body > header, main')) part.inert = open && isNarrow();
    });
    this.save = new Toggle(saveToggle, saveMenu);
    this.key = new Toggle(keyToggle, keyPanel, (open) => {
      keyPanel.hidden = !open;
      keyChanged(open);
    });
    this.key.set(window.matchMedia(ROOM_FOR_KEY).matches);

    optionsToggle.addEventListener('click', () => {
      if (this.options.isOpen) optionsPanel.querySelector('input, select, button:not([hidden])')?.focus();
    });
    optionsClose.addEventListener('click', () => this.closeOptions());
    backdrop.addEventListener('click', () => this.closeOptions());
    // A download chosen from the menu closes it.
    saveMenu.addEventListener('click', (event) => {
      if (event.target.closest('button') && isNarrow()) this.save.set(false);
    });
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape') return;
      if (this.options.isOpen) this.closeOptions();
      else if (this.save.isOpen) {
        this.save.set(false);
        this.save.button.focus();
      }
    });
    // Grown wide, the page shows the options beside the map again.
    window.matchMedia(NARROW_SCREEN).addEventListener('change', () => {
      if (!isNarrow() && this.options.isOpen) this.options.set(false);
    });
    document.addEventListener('pointerdown', (event) => {
      if (this.save.isOpen && !saveMenu.contains(event.target) && !saveToggle.contains(event.target)) {
        this.save.set(false);
      }
    });
  }

  closeOptions() {
    if (!this.options.isOpen) return;
    this.options.set(false);
    this.options.button.focus();
  }

  // Opens the key (when a room is chosen on the map).
  openKey() {
    if (!this.key.isOpen) this.key.set(true);
  }
}
