// The map on a canvas at a chosen zoom inside a scrolling box: the hover read-out under a mouse,
// dragging to pan and pinching to zoom (pointer events, so mouse, pen and touch alike), a tap or
// click handed on as a map pixel, and a mark around a chosen room or staircase.

export const ZOOMS = [0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4];
const MIN_ZOOM = 0.1;
const MAX_ZOOM = 4;
// A pointer that moves less than this many pixels between down and up taps.
const TAP_SLOP = 8;
// A shown read-out stays up this long unless the pointer moves on.
const HOVER_TIMEOUT_MS = 20000;
// Pixels the mark stands off the rectangle it surrounds, on screen.
const MARK_MARGIN = 3;

const clampZoom = (zoom) => Math.min(MAX_ZOOM, Math.max(MIN_ZOOM, zoom));

export class MapView {
  // hoverAt(x, y) gives the read-out lines at map pixel (x, y), null or [] for none; onTap(x, y)
  // runs for a tap or click on map pixel (x, y).
  constructor({ scroller, canvas, mark, tooltip, zoomLabel, hoverAt, onTap }) {
    this.scroller = scroller;
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.mark = mark;
    this.tooltip = tooltip;
    this.zoomLabel = zoomLabel;
    this.hoverAt = hoverAt;
    this.onTap = onTap;
    this.zoom = 1;
    this.hideTimer = 0;
    this.marked = null;
    // The pointers down on the map by id, and the gesture they make.
    this.pointers = new Map();
    this.gesture = null;
    scroller.addEventListener('pointerdown', (event) => this.onDown(event));
    scroller.addEventListener('pointermove', (event) => this.onMove(event));
    scroller.addEventListener('pointerup', (event) => this.onUp(event, true));
    scroller.addEventListener('pointercancel', (event) => this.onUp(event, false));
    canvas.addEventListener('pointerleave', () => this.hideTooltip());
    scroller.addEventListener(
      'wheel',
      (event) => {
        if (!event.ctrlKey) return;
        event.preventDefault();
        this.zoomAt(this.stepFrom(event.deltaY < 0 ? 1 : -1), event.clientX, event.clientY);
      },
      { passive: false },
    );
    scroller.addEventListener('keydown', (event) => {
      if (event.target !== scroller || event.ctrlKey || event.metaKey || event.altKey) return;
      if (event.key === '+' || event.key === '=') this.stepZoom(1);
      else if (event.key === '-') this.stepZoom(-1);
      else return;
      event.preventDefault();
    });
  }

  show(picture) {
    if (this.canvas.width !== picture.width || this.canvas.height !== picture.height) {
      this.canvas.width = picture.width;
      this.canvas.height = picture.height;
      this.applyZoom();
    }
    this.context.putImageData(picture, 0, 0);
    this.hideTooltip();
    this.setMark(null);
  }

  // The zoom one step in or out from the current one.
  stepFrom(direction) {
    if (direction > 0) return ZOOMS.find((z) => z > this.zoom + 1e-9) ?? ZOOMS[ZOOMS.length - 1];
    return [...ZOOMS].reverse().find((z) => z < this.zoom - 1e-9) ?? ZOOMS[0];
  }

  stepZoom(direction) {
    this.setZoom(this.stepFrom(direction));
  }

  // Zooms about the centre of the view.
  setZoom(zoom) {
    const box = this.scroller.getBoundingClientRect();
    this.zoomAt(zoom, box.left + this.scroller.clientWidth / 2, box.top + this.scroller.clientHeight / 2);
  }

  // Zooms so that the map pixel at (clientX, clientY) stays there.
  zoomAt(zoom, clientX, clientY) {
    const before = this.canvas.getBoundingClientRect();
    const mapX = (clientX - before.left) / this.zoom;
    const mapY = (clientY - before.top) / this.zoom;
    this.zoom = clampZoom(zoom);
    this.applyZoom();
    const after = this.canvas.getBoundingClientRect();
    this.scroller.scrollLeft += after.left + mapX * this.zoom - clientX;
    this.scroller.scrollTop += after.top + mapY * this.zoom - clientY;
  }

  // The largest zoom at which the whole map fits the box (at most 1:1); widthOnly fits the width.
  fit({ widthOnly = false } = {}) {
    const style = getComputedStyle(this.scroller);
    const paddingX = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    const paddingY = parseFloat(style.paddingTop) + parseFloat(style.paddingBottom);
    const widthRatio = (this.scroller.clientWidth - paddingX) / this.canvas.width;
    const heightRatio = widthOnly ? Infinity : (this.scroller.clientHeight - paddingY) / this.canvas.height;
    this.setZoom(Math.max(MIN_ZOOM, Math.min(1, widthRatio, heightRatio)));
  }

  applyZoom() {
    this.canvas.style.width = `${this.canvas.width * this.zoom}px`;
    this.canvas.style.height = `${this.canvas.height * this.zoom}px`;
    // Enlarged, every map pixel stays a crisp square; reduced, smoothing keeps thin lines visible.
    this.canvas.style.imageRendering = this.zoom >= 1 ? 'pixelated' : 'auto';
    this.zoomLabel.textContent = `${Math.round(this.zoom * 100)}%`;
    this.placeMark();
  }

  // Marks the map rectangle pixels ({left, top, right, bottom}) and scrolls it into the middle of
  // the view; null takes the mark away.
  setMark(pixels, { reveal = false } = {}) {
    this.marked = pixels;
    this.placeMark();
    if (!pixels || !reveal) return;
    const z = this.zoom;
    const x = this.canvas.offsetLeft + ((pixels.left + pixels.right) / 2) * z;
    const y = this.canvas.offsetTop + ((pixels.top + pixels.bottom) / 2) * z;
    this.scroller.scrollLeft = x - this.scroller.clientWidth / 2;
    this.scroller.scrollTop = y - this.scroller.clientHeight / 2;
  }

  placeMark() {
    const pixels = this.marked;
    this.mark.hidden = !pixels;
    if (!pixels) return;
    const z = this.zoom;
    Object.assign(this.mark.style, {
      left: `${this.canvas.offsetLeft + pixels.left * z - MARK_MARGIN}px`,
      top: `${this.canvas.offsetTop + pixels.top * z - MARK_MARGIN}px`,
      width: `${(pixels.right - pixels.left) * z + 2 * MARK_MARGIN}px`,
      height: `${(pixels.bottom - pixels.top) * z + 2 * MARK_MARGIN}px`,
    });
  }

  // Map pixel under a pointer event.
  mapPoint(event) {
    const box = this.canvas.getBoundingClientRect();
    return {
      x: Math.floor(((event.clientX - box.left) * this.canvas.width) / box.width),
      y: Math.floor(((event.clientY - box.top) * this.canvas.height) / box.height),
    };
  }

  onDown(event) {
    if (event.pointerType === 'mouse' && event.button !== 0) return;
    // Scroll bars keep their own dragging.
    const onScrollBar =
      event.target === this.scroller &&
      (event.offsetX >= this.scroller.clientWidth || event.offsetY >= this.scroller.clientHeight);
    if ((event.target !== this.canvas && event.target !== this.scroller) || onScrollBar) return;
    this.pointers.set(event.pointerId, { x: event.clientX, y: event.clientY });
    this.scroller.setPointerCapture(event.pointerId);
    this.hideTooltip();
    if (this.pointers.size === 1) {
      this.gesture = {
        kind: 'pan',
        x: event.clientX,
        y: event.clientY,
        left: this.scroller.scrollLeft,
        top: this.scroller.scrollTop,
        moved: false,
        onMap: event.target === this.canvas,
      };
    } else if (this.pointers.size === 2) {
      const [a, b] = [...this.pointers.values()];
      this.gesture = { kind: 'pinch', distance: Math.hypot(a.x - b.x, a.y - b.y), zoom: this.zoom };
    }
  }

  onMove(event) {
    const pointer = this.pointers.get(event.pointerId);
    if (!pointer) {
      if (event.pointerType === 'mouse' && event.target === this.canvas) this.hover(event);
      return;
    }
    pointer.x = event.clientX;
    pointer.y = event.clientY;
    const gesture = this.gesture;
    if (gesture?.kind === 'pan') {
      const dx = event.clientX - gesture.x;
      const dy = event.clientY - gesture.y;
      if (!gesture.moved && Math.hypot(dx, dy) < TAP_SLOP) return;
      gesture.moved = true;
      this.scroller.classList.add('dragging');
      this.scroller.scrollLeft = gesture.left - dx;
      this.scroller.scrollTop = gesture.top - dy;
    } else if (gesture?.kind === 'pinch' && this.pointers.size === 2) {
      const [a, b] = [...this.pointers.values()];
      const distance = Math.hypot(a.x - b.x, a.y - b.y);
      if (gesture.distance > 0)
        this.zoomAt((gesture.zoom * distance) / gesture.distance, (a.x + b.x) / 2, (a.y + b.y) / 2);
    }
  }

  onUp(event, released) {
    if (!this.pointers.delete(event.pointerId)) return;
    const gesture = this.gesture;
    if (released && gesture?.kind === 'pan' && gesture.onMap && !gesture.moved) {
      const { x, y } = this.mapPoint(event);
      this.onTap(x, y);
    }
    // What is left of a pinch pans no more: lifting one finger must not jump the map.
    this.gesture = this.pointers.size === 0 ? null : { kind: 'rest' };
    if (this.pointers.size === 0) this.scroller.classList.remove('dragging');
  }

  hover(event) {
    const { x, y } = this.mapPoint(event);
    const lines = this.hoverAt(x, y);
    if (!lines || lines.length === 0) {
      this.hideTooltip();
      return;
    }
    this.showTooltip(lines, event.clientX, event.clientY);
  }

  showTooltip(lines, clientX, clientY) {
    const text = lines.join('\n');
    if (this.tooltip.textContent !== text) this.tooltip.textContent = text;
    this.tooltip.hidden = false;
    // Beside the pointer, kept inside the window.
    const margin = 14;
    const width = this.tooltip.offsetWidth;
    const height = this.tooltip.offsetHeight;
    let left = clientX + margin;
    let top = clientY + margin;
    if (left + width > window.innerWidth - 4) left = Math.max(4, clientX - margin - width);
    if (top + height > window.innerHeight - 4) top = Math.max(4, window.innerHeight - 4 - height);
    this.tooltip.style.transform = `translate(${left}px, ${top}px)`;
    clearTimeout(this.hideTimer);
    this.hideTimer = setTimeout(() => this.hideTooltip(), HOVER_TIMEOUT_MS);
  }

  hideTooltip() {
    clearTimeout(this.hideTimer);
    this.tooltip.hidden = true;
  }
}
