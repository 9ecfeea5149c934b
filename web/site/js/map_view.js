// The map on a canvas at a chosen zoom inside a scrolling box, and the hover read-out: the room
// under the pointer with its size, dressing and doors.

export const ZOOMS = [0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4];
// A shown read-out stays up this long unless the pointer moves on.
const HOVER_TIMEOUT_MS = 20000;

export class MapView {
  // hoverAt(x, y) gives the read-out lines at map pixel (x, y), null or [] for none.
  constructor({ scroller, canvas, tooltip, zoomLabel, hoverAt }) {
    this.scroller = scroller;
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.tooltip = tooltip;
    this.zoomLabel = zoomLabel;
    this.hoverAt = hoverAt;
    this.zoom = 1;
    this.hideTimer = 0;
    canvas.addEventListener('mousemove', (event) => this.onMove(event));
    canvas.addEventListener('mouseleave', () => this.hideTooltip());
    scroller.addEventListener(
      'wheel',
      (event) => {
        if (!event.ctrlKey) return;
        event.preventDefault();
        this.stepZoom(event.deltaY < 0 ? 1 : -1);
      },
      { passive: false },
    );
  }

  show(picture) {
    if (this.canvas.width !== picture.width || this.canvas.height !== picture.height) {
      this.canvas.width = picture.width;
      this.canvas.height = picture.height;
    }
    this.context.putImageData(picture, 0, 0);
    this.applyZoom();
    this.hideTooltip();
  }

  setZoom(zoom) {
    // Keep the centre of the view where it was.
    const centreX = (this.scroller.scrollLeft + this.scroller.clientWidth / 2) / this.zoom;
    const centreY = (this.scroller.scrollTop + this.scroller.clientHeight / 2) / this.zoom;
    this.zoom = zoom;
    this.applyZoom();
    this.scroller.scrollLeft = centreX * zoom - this.scroller.clientWidth / 2;
    this.scroller.scrollTop = centreY * zoom - this.scroller.clientHeight / 2;
  }

  stepZoom(direction) {
    const index = ZOOMS.findIndex((z) => z >= this.zoom - 1e-9);
    const next = direction > 0 ? ZOOMS.find((z) => z > this.zoom + 1e-9) : ZOOMS[Math.max(index - 1, 0)];
    this.setZoom(next ?? ZOOMS[ZOOMS.length - 1]);
  }

  // The largest zoom at which the whole map fits the box (at most 1:1).
  fit() {
    const widthRatio = (this.scroller.clientWidth - 24) / this.canvas.width;
    const heightRatio = (this.scroller.clientHeight - 24) / this.canvas.height;
    this.setZoom(Math.max(0.1, Math.min(1, widthRatio, heightRatio)));
  }

  applyZoom() {
    this.canvas.style.width = `${this.canvas.width * this.zoom}px`;
    this.canvas.style.height = `${this.canvas.height * this.zoom}px`;
    // Enlarged, every map pixel stays a crisp square; reduced, smoothing keeps thin lines visible.
    this.canvas.style.imageRendering = this.zoom >= 1 ? 'pixelated' : 'auto';
    this.zoomLabel.textContent = `${Math.round(this.zoom * 100)}%`;
  }

  // Map pixel under a mouse event.
  mapPoint(event) {
    const box = this.canvas.getBoundingClientRect();
    return {
      x: Math.floor(((event.clientX - box.left) * this.canvas.width) / box.width),
      y: Math.floor(((event.clientY - box.top) * this.canvas.height) / box.height),
    };
  }

  onMove(event) {
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
