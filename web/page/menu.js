// The window's menu: opened by a right click, by a finger held on the window (where the
// browser gives no context menu event for it) or by the menu key; arrows move through it,
// Escape and a click elsewhere close it.
const HOLD_MS = 550;
// A finger that moves further than this is scrolling, not holding.
const HOLD_SLOP = 10;

export class Menu {
  constructor(menu, area) {
    this.menu = menu;
    this.area = area;
    this.items = [...menu.querySelectorAll('[role^="menuitem"]')];
    area.addEventListener('contextmenu', (event) => {
      if (event.target.closest('input')) return;
      event.preventDefault();
      // The menu key gives no place: the menu opens by the focused control.
      const from = event.button === 0 && event.clientX === 0 && event.clientY === 0
        ? document.activeElement.getBoundingClientRect() : null;
      this.open(from ? from.left : event.clientX, from ? from.bottom : event.clientY);
    });
    let hold = null;
    area.addEventListener('touchstart', (event) => {
      const touch = event.touches[0];
      hold = { x: touch.clientX, y: touch.clientY,
        timer: setTimeout(() => this.open(touch.clientX, touch.clientY), HOLD_MS) };
    }, { passive: true });
    const cancel = () => { if (hold) clearTimeout(hold.timer); hold = null; };
    area.addEventListener('touchmove', (event) => {
      const touch = event.touches[0];
      if (hold && Math.hypot(touch.clientX - hold.x, touch.clientY - hold.y) > HOLD_SLOP) cancel();
    }, { passive: true });
    area.addEventListener('touchend', cancel);
    area.addEventListener('touchcancel', cancel);
    menu.addEventListener('keydown', (event) => this.key(event));
    menu.addEventListener('click', (event) => {
      if (event.target.closest('[role^="menuitem"]')) this.close();
    });
    document.addEventListener('pointerdown', (event) => {
      if (!menu.hidden && !menu.contains(event.target)) this.close(false);
    });
  }

  get isOpen() {
    return !this.menu.hidden;
  }

  open(x, y) {
    if (this.isOpen) return;
    this.returnTo = document.activeElement;
    this.menu.hidden = false;
    const { width, height } = this.menu.getBoundingClientRect();
    this.menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - width))}px`;
    this.menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - height))}px`;
    this.enabled()[0]?.focus();
  }

  close(giveFocusBack = true) {
    if (!this.isOpen) return;
    this.menu.hidden = true;
    if (giveFocusBack && this.returnTo && document.contains(this.returnTo) &&
        !document.querySelector('dialog[open]')) this.returnTo.focus();
  }

  enabled() {
    return this.items.filter((item) => !item.disabled);
  }

  key(event) {
    const items = this.enabled();
    const at = items.indexOf(document.activeElement);
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1 + items.length, Home: 0,
      End: items.length - 1 };
    if (event.key in moves) {
      event.preventDefault();
      items[moves[event.key] % items.length].focus();
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      event.preventDefault();
      this.close();
    }
  }
}
