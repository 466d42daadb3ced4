// The browser's side of the program's accessibility mirror: the program hands over its
// accessibility tree (every visible window and control, with role, name, description and
// states) whenever it changes, and this lays it out as hidden elements that a screen reader
// reads and uses as any web page. Elements keep their identity from one update to the next, so
// the reader's place and the page's focus stay put. A click on an element (a screen reader's
// activation) presses the control, and a value set on a number field sets the program's field;
// keys typed while an element has the focus go on to the program as if typed on its canvas, so
// Tab, the arrows, Space, Enter and digits work as in the program, and the page's focus follows
// the program's.
'use strict';

window.dicewrightMirror = (function () {
  const root = document.getElementById('mirror');
  const canvas = document.getElementById('screen');
  const elements = new Map();  // the program's id of a control, to its element
  let act = null;
  let focusId = 0;  // the control that has the program's focus

  // The element that stands for a role, and the ARIA role it takes where HTML has none.
  const KINDS = {
    Button: ['button'], PushButton: ['button'], RadioButton: ['div', 'radio'], CheckBox: ['div', 'checkbox'],
    StaticText: ['p'], Notification: ['p'], Graphic: ['div', 'img'],
    List: ['div', 'listbox'], ListItem: ['div', 'option'], PopupMenu: ['div', 'menu'], MenuItem: ['div', 'menuitem'],
    Slider: ['div', 'slider'], SpinBox: ['input', 'spinbutton'], ProgressBar: ['div', 'progressbar'],
    ScrollBar: null,
  };

  function elementFor(node, topLevel) {
    const isWindow = topLevel && node.role !== 'PopupMenu';
    const [tag, role] = isWindow ? ['section', 'dialog'] : (KINDS[node.role] || ['div']);
    let element = elements.get(node.id);
    if (!element || element.localName !== tag) {
      element = document.createElement(tag);
      if (tag === 'button') element.type = 'button';
      if (tag === 'input') {
        // A number field: a screen reader that sets its value, or a phone's own keyboard typing
        // into it, sets the program's field, digit by digit. A tap on the field gives it the
        // page's focus, and the phone opens its number keyboard, whose Go key rolls.
        element.type = 'number';
        element.inputMode = 'numeric';
        element.enterKeyHint = 'go';
        const set = () => {
          // What is no number (a digit of another script, say) is refused as the program
          // refuses it: the program's value shows again.
          if (act) act(node.id, element.validity.badInput ? 'value:refused' : `value:${element.value}`);
        };
        element.addEventListener('input', set);
        element.addEventListener('change', set);
      }
      element.id = `qt-${node.id}`;
      element.dataset.id = node.id;
      element.addEventListener('click', (event) => {
        event.preventDefault();
        if (act) act(node.id, 'press');
      });
      element.addEventListener('focus', () => { if (act) act(node.id, 'focus'); });
      element.addEventListener('keydown', toProgram);
      element.addEventListener('keyup', toProgram);
      elements.set(node.id, element);
    }
    if (role) element.setAttribute('role', role); else element.removeAttribute('role');
    return element;
  }

  function setText(element, text) {
    if (element.textContent !== text) element.textContent = text;
  }
  function setAttribute(element, name, value) {
    if (value === null || value === '' || value === false) element.removeAttribute(name);
    else if (element.getAttribute(name) !== String(value)) element.setAttribute(name, value);
  }

  // Lays out a node and its children; returns its element, or null for what is left out.
  function lay(node, seen, topLevel = false, parent = null) {
    if (!topLevel && KINDS[node.role] === null) return null;
    const element = elementFor(node, topLevel);
    seen.add(node.id);
    const kind = element.getAttribute('role') || element.localName;
    const leaf = ['button', 'radio', 'checkbox', 'p', 'option', 'menuitem'].includes(kind);
    if (leaf) setText(element, node.name);
    setAttribute(element, 'aria-label', leaf ? null : node.name);
    setAttribute(element, 'aria-description', node.description);
    setAttribute(element, 'aria-checked', node.checkable ? String(node.checked) : null);
    if (kind === 'spinbutton') {
      // The field's own text, empty for none; its range for the reader to say.
      if (element.value !== node.text) element.value = node.text;
      setAttribute(element, 'min', node.minimum);
      setAttribute(element, 'max', node.maximum);
    } else {
      setAttribute(element, 'aria-valuetext', node.value === undefined ? null : node.value);
    }
    setAttribute(element, 'aria-disabled', node.disabled ? 'true' : null);
    // A list's rows as a selectable list's options: where each stands in the whole list (the
    // mirror holds the rows around the focused one), and which are selected.
    const option = kind === 'option';
    setAttribute(element, 'aria-selected', option ? String(node.selected) : null);
    setAttribute(element, 'aria-posinset', option ? node.position : null);
    setAttribute(element, 'aria-setsize', option && parent ? parent.count : null);
    setAttribute(element, 'aria-multiselectable', kind === 'listbox' && node.multiSelectable ? 'true' : null);
    setAttribute(element, 'data-rect', node.rect.join(' '));
    setAttribute(element, 'data-shown', node.shown.join(' '));
    placeOnScreen(element, node.shown);
    // What has the focus stays focusable, also an item that does not say it is.
    setAttribute(element, 'tabindex', node.focusable || node.id === focusId ? '-1' : null);
    if (!leaf && kind !== 'spinbutton') place(element, layChildren(node, seen));
    if (topLevel) {
      // A window is read by its title and, as it appears, its texts.
      const texts = [...element.querySelectorAll('p')].map((p) => p.id).join(' ');
      setAttribute(element, 'aria-describedby', texts);
    }
    return element;
  }

  // Controls that share a group (the options of one QButtonGroup) stand in one radio group.
  // Each group is filled once all its members are laid out, so that none leaves the page on the
  // way (an element that leaves the page loses the focus).
  function layChildren(parent, seen) {
    const laid = [];
    const groups = [];
    let group = null;
    for (const child of parent.children) {
      const element = lay(child, seen, false, parent);
      if (!element) continue;
      if (!child.group) { group = null; laid.push(element); continue; }
      if (!group || group.name !== child.group) {
        const key = `group-${child.id}`;
        let box = elements.get(key);
        if (!box) {
          box = document.createElement('div');
          box.setAttribute('role', 'radiogroup');
          elements.set(key, box);
        }
        seen.add(key);
        setAttribute(box, 'aria-label', child.group);
        group = { name: child.group, box, members: [] };
        groups.push(group);
        laid.push(box);
      }
      group.members.push(element);
    }
    for (const { box, members } of groups) place(box, members);
    return laid;
  }

  // Each element stands where its control shows, unseen and untouchable, so that a finger
  // exploring the screen with a screen reader meets it, while taps and drags reach the program.
  // A control scrolled out of view stands nowhere, but is still read in its place in the tree.
  function placeOnScreen(element, [left, top, width, height]) {
    const style = { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` };
    for (const [name, value] of Object.entries(style)) {
      if (element.style[name] !== value) element.style[name] = value;
    }
  }

  // Puts these children into the element, moving none that stays: an element taken out of the
  // page, even for a moment, loses the focus, and a screen reader its place. Those that go are
  // removed and those that come are added where they belong, as a list's rows at its ends.
  function place(element, children) {
    const current = [...element.children];
    if (current.length === children.length && current.every((child, i) => child === children[i])) return;
    const wanted = new Set(children);
    for (const child of current) if (!wanted.has(child)) child.remove();
    const staying = children.filter((child) => child.parentNode === element);
    if (staying.some((child, i) => child !== element.children[i])) {
      // Those that stay come in another order: nothing keeps them in place.
      element.replaceChildren(...children);
      return;
    }
    let next = element.firstElementChild;
    for (const child of children) {
      if (child === next) next = next.nextElementSibling;
      else element.insertBefore(child, next);
    }
  }

  function render(json) {
    const tree = JSON.parse(json);
    const seen = new Set();
    focusId = tree.focus;
    place(root, tree.windows.map((node) => lay(node, seen, true)));
    for (const [id, element] of elements) {
      if (!seen.has(id)) { element.remove(); elements.delete(id); }
    }
    // The page's focus follows the program's, unless the page is somewhere else entirely.
    const focused = elements.get(tree.focus);
    const active = document.activeElement;
    if (focused && focused !== active && (root.contains(active) || active === canvas || active === document.body))
      focused.focus({ preventScroll: true });
  }

  // Keys typed on an element go on to the program, which handles them on its focused control.
  // A key the program does not take stays the browser's (F5 still reloads), but Enter and Space
  // never also work an element as the browser would: the program has had them already.
  function toProgram(event) {
    event.stopPropagation();
    const taken = !canvas.dispatchEvent(new KeyboardEvent(event.type, {
      key: event.key, code: event.code, location: event.location, repeat: event.repeat,
      ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey,
      bubbles: true, cancelable: true,
    }));
    if (taken || event.key === 'Enter' || event.key === ' ') event.preventDefault();
  }

  // Called by the program once it runs, with its module.
  function connect(module) {
    act = (id, action) => module.dicewrightAccessibleAction(id, action);
  }

  // When the program ends, nothing of it is left to read.
  window.addEventListener('dicewright-ended', () => { root.replaceChildren(); elements.clear(); });

  return { render, connect };
}());
