// The roll log: every roll kept, newest first, in a grid that draws only the rows in view (a
// hundred thousand rows stay smooth) and tells a screen reader each row's place; what the dice
// have done so far; and copying. A modal dialog that takes the focus and gives it back.
import { arg, formatCount, qsTranslate } from './texts.js';
import { logLine, record, statisticsLine } from './wording.js';

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
    this.refresh();
    this.grid.scrollTop = 0;
    this.grid.focus();
  }

  // Shows a new roll at the top while the log is open.
  refresh() {
    if (!this.dialog.open) return;
    const size = this.engine.recordSize;
    this.grid.setAttribute('aria-rowcount', String(size));
    this.sheet.style.height = `${size * this.rowHeight()}px`;
    const dropped = this.engine.recordDropped;
    $('lblDropped').hidden = dropped === 0;
    if (dropped > 0) {
      $('lblDropped').textContent = arg(qsTranslate('dicewright::RollLogWindow',
        '%1 earlier roll(s) are no longer kept: the log holds the last %2.', '', dropped),
      formatCount(dropped), formatCount(this.engine.recordCapacity));
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

  // Draws the rows in view, each at its place, and no others.
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
    const rows = [];
    let older = last < size ? this.engine.row(last) : null;
    for (let row = last - 1; row >= first; --row) {
      const roll = this.engine.row(row);
      const element = document.createElement('div');
      element.setAttribute('role', 'row');
      element.setAttribute('aria-rowindex', String(row + 1));
      element.dataset.row = String(row);
      element.style.top = `${row * height}px`;
      const cell = document.createElement('div');
      cell.setAttribute('role', 'gridcell');
      cell.id = `roll-${row}`;
      cell.textContent = logLine(this.engine, roll, older);
      if (roll.ruleOfOne) element.classList.add('rule-of-one');
      if (row === this.current) {
        element.setAttribute('aria-selected', 'true');
        element.classList.add('current');
      }
      element.append(cell);
      rows.unshift(element);
      older = roll;
    }
    this.sheet.replaceChildren(...rows);
    if (size > 0) this.grid.setAttribute('aria-activedescendant', `roll-${this.current}`);
    else this.grid.removeAttribute('aria-activedescendant');
  }

  moveTo(row) {
    const size = this.engine.recordSize;
    if (size === 0) return;
    this.current = Math.max(0, Math.min(size - 1, row));
    const height = this.rowHeight();
    const top = this.current * height;
    if (top < this.grid.scrollTop) this.grid.scrollTop = top;
    else if (top + height > this.grid.scrollTop + this.grid.clientHeight) {
      this.grid.scrollTop = top + height - this.grid.clientHeight;
    }
    this.draw(true);
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
