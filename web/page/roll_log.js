// The roll log: every roll kept, newest first, in a grid that draws only the rows in view (a
// hundred thousand rows stay smooth) and tells a screen reader each row's place; what the dice
// have done so far; and copying. A modal dialog that takes the focus and gives it back.
import { droppedText, logLine, record, statisticsLine } from './wording.js';

const $ = (id) => document.getElementById(id);
// Rows drawn beyond each edge of the view, so that a quick scroll meets drawn rows.
const OVERSCAN = 8;

export class RollLog {
  constructor(engine, { copy }) {
    this.engine = engine;
    this.copy = copy;
    this.dialog = $('frmRollLog');
    this.grid = $('lstRolls');
    this.sheet = $('lstRollsSheet');
    this.current = 0;
    this.drawn = '';
    this.elements = new Map();
    this.grid.addEventListener('scroll', () => this.draw());
    this.grid.addEventListener('keydown', (event) => this.key(event));
    this.grid.addEventListener('click', (event) => {
      const row = event.target.closest('[role="row"]');
      if (row) this.moveTo(Number(row.dataset.row));
    });
    $('cmdCopyAll').addEventListener('click', () => this.copy(record(this.engine)));
    $('cmdClose').addEventListener('click', () => this.dialog.close());
    // The focus goes back where it was, in every browser.
    this.dialog.addEventListener('close', () => {
      if (this.returnTo && document.contains(this.returnTo)) this.returnTo.focus();
    });
    new ResizeObserver(() => this.draw(true)).observe(this.grid);
  }

  get isOpen() {
    return this.dialog.open;
  }

  // Opens the log on its newest roll; closed, it gives the focus back to where it was.
  open() {
    if (!this.dialog.open) {
      this.returnTo = document.activeElement;
      this.dialog.showModal();
    }
    this.current = 0;
    this.grid.scrollTop = 0;
    // The rows' height is found again, for the screen and the rolls of this time.
    this.grid.style.removeProperty('--row-height');
    this.grid.classList.remove('wrapped');
    this.refresh();
    this.focusCurrent();
  }

  // Shows a new roll at the top while the log is open.
  refresh() {
    if (!this.dialog.open) return;
    const size = this.engine.recordSize;
    this.grid.setAttribute('aria-rowcount', String(size));
    const dropped = this.engine.recordDropped;
    $('lblDropped').hidden = dropped === 0;
    if (dropped > 0) {
      $('lblDropped').textContent = droppedText(dropped, this.engine.recordCapacity);
    }
    const statistics = $('lstStatistics');
    statistics.replaceChildren(...this.engine.tally().map((report) => {
      const item = document.createElement('li');
      item.textContent = statisticsLine(this.engine, report);
      return item;
    }));
    this.draw(true);
  }

  rowHeight() {
    return parseFloat(getComputedStyle(this.grid).getPropertyValue('--row-height')) || 24;
  }

  // Draws the rows in view, each at its place, and no others. A row's element stays while the
  // row is in view, so that the focus on it stays too; its text is written anew only where the
  // rows moved under it (a new roll came) or it came into view.
  draw(again = false) {
    if (!this.dialog.open) return;
    const size = this.engine.recordSize;
    const height = this.rowHeight();
    const first = Math.max(0, Math.floor(this.grid.scrollTop / height) - OVERSCAN);
    const last = Math.min(size, Math.ceil((this.grid.scrollTop + this.grid.clientHeight) / height)
      + OVERSCAN);
    const key = `${first} ${last} ${size} ${this.current}`;
    if (!again && key === this.drawn) return;
    this.drawn = key;
    this.sheet.style.height = `${size * height}px`;
    const refocus = this.grid.contains(document.activeElement);
    for (const [row, element] of this.elements) {
      if (row < first || row >= last) {
        element.remove();
        this.elements.delete(row);
      }
    }
    const written = [];
    let older = last < size ? this.engine.row(last) : null;
    for (let row = last - 1; row >= first; --row) {
      const roll = this.engine.row(row);
      let element = this.elements.get(row);
      const fresh = !element;
      if (fresh) {
        element = document.createElement('div');
        element.setAttribute('role', 'row');
        element.setAttribute('aria-rowindex', String(row + 1));
        element.dataset.row = String(row);
        const cell = document.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.id = `roll-${row}`;
        element.append(cell);
        this.elements.set(row, element);
        this.sheet.append(element);
      }
      element.style.top = `${row * height}px`;
      if (fresh || again) {
        element.firstChild.textContent = logLine(this.engine, roll, older);
        element.classList.toggle('rule-of-one', roll.ruleOfOne);
        written.push(element);
      }
      const current = row === this.current;
      element.classList.toggle('current', current);
      element.setAttribute('aria-selected', String(current));
      element.firstChild.tabIndex = current ? 0 : -1;
      older = roll;
    }
    if (this.fitRows(written, height)) {
      this.draw(true);
      return;
    }
    const cell = this.elements.get(this.current)?.firstChild;
    if (refocus && cell && document.activeElement !== cell) cell.focus({ preventScroll: true });
  }

  // Every row as tall as the tallest written one needs, so that a long row wraps whole rather
  // than be cut: the places of the rows are counted in one height. It only grows while the log is
  // open, keeping the same row at the top; says whether it grew. Rows of several lines are set
  // apart by a line.
  fitRows(written, height) {
    if (written.length === 0) return false;
    const tallest = Math.max(...written.map((row) => row.firstChild.offsetHeight));
    const frame = () => {
      const style = getComputedStyle(written[0]);
      return ['paddingTop', 'paddingBottom', 'borderTopWidth', 'borderBottomWidth']
        .reduce((sum, side) => sum + parseFloat(style[side]), 0);
    };
    if (tallest + frame() <= height) return false;
    this.grid.classList.add('wrapped');
    const needed = Math.ceil(tallest + frame());
    const top = this.grid.scrollTop / height;
    this.grid.style.setProperty('--row-height', `${needed}px`);
    this.sheet.style.height = `${this.engine.recordSize * needed}px`;
    this.grid.scrollTop = top * needed;
    return true;
  }

  // The focus on the current roll's row, drawn where it is not yet.
  focusCurrent() {
    this.draw(true);
    const cell = this.elements.get(this.current)?.firstChild;
    (cell || this.grid).focus({ preventScroll: true });
  }

  moveTo(row) {
    const size = this.engine.recordSize;
    if (size === 0) return;
    this.current = Math.max(0, Math.min(size - 1, row));
    // Again where the rows it came to are taller, so that it ends in view.
    for (let height = 0; height !== this.rowHeight();) {
      height = this.rowHeight();
      const top = this.current * height;
      if (top < this.grid.scrollTop) this.grid.scrollTop = top;
      else if (top + height > this.grid.scrollTop + this.grid.clientHeight) {
        this.grid.scrollTop = top + height - this.grid.clientHeight;
      }
      this.focusCurrent();
    }
  }

  key(event) {
    const page = Math.max(1, Math.floor(this.grid.clientHeight / this.rowHeight()) - 1);
    const moves = {
      ArrowDown: this.current + 1, ArrowUp: this.current - 1, PageDown: this.current + page,
      PageUp: this.current - page, Home: 0, End: this.engine.recordSize - 1,
    };
    if (event.key in moves) {
      event.preventDefault();
      this.moveTo(moves[event.key]);
    } else if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c' &&
               this.engine.recordSize > 0) {
      // The current row, as the line it shows.
      event.preventDefault();
      const older = this.current + 1 < this.engine.recordSize ? this.engine.row(this.current + 1)
                                                              : null;
      this.copy(logLine(this.engine, this.engine.row(this.current), older));
    }
  }
}
