"use strict";
// The page around the game: it builds the bars and dialogs from the core's tables, copies the
// core's board picture to the canvas, and hands every act of the player to the core.
const TesuliPage = (() => {
  let core = null;
  let table = null;
  const $ = (id) => document.getElementById(id);
  const make = (tag, className, text) => {
    const element = document.createElement(tag);
    if (className) element.className = className;
    if (text !== undefined) element.textContent = text;
    return element;
  };
  const params = new URLSearchParams(location.search);

  // --- The board ------------------------------------------------------------------------------
  // How long the page's own work took, for the benchmark (?readout): each press handled, each
  // resize that drew the board anew, each repaint, and when the first board frame went out.
  const timings = {press: [], resize: [], paint: [], firstFrame: null};
  let frame = null;  // the core's latest picture: {bytes, width, height}, bytes in the canvas's order
  let frameAsked = false;
  let boardPainted = 0;
  const canvas = () => $("board");

  function board(bytes, width, height) {
    frame = {bytes, width, height};
    if (!frameAsked) {
      frameAsked = true;
      requestAnimationFrame(paint);
    }
  }

  // The core's picture to the canvas, one device pixel to one.
  function paint() {
    frameAsked = false;
    if (!frame) return;
    const started = performance.now();
    const c = canvas();
    if (c.width !== frame.width || c.height !== frame.height) {
      c.width = frame.width;
      c.height = frame.height;
    }
    const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, frame.bytes, frame.width * frame.height * 4);
    c.getContext("2d").putImageData(new ImageData(bytes, frame.width, frame.height), 0, 0);
    ++boardPainted;
    timings.paint.push(performance.now() - started);
    if (timings.firstFrame === null) timings.firstFrame = performance.now();
  }

  // The canvas's exact device pixels, so that none of the core's is resampled.
  function watchSize() {
    const c = canvas();
    const observer = new ResizeObserver((entries) => {
      const entry = entries[entries.length - 1];
      const ratio = window.devicePixelRatio || 1;
      // The browser's own count of device pixels, where it agrees with the ratio (an emulated
      // ratio may leave it at the CSS size).
      const device = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
      let width = Math.round(entry.contentRect.width * ratio);
      let height = Math.round(entry.contentRect.height * ratio);
      if (device && Math.abs(device.inlineSize - width) <= 1 && Math.abs(device.blockSize - height) <= 1) {
        width = device.inlineSize;
        height = device.blockSize;
      }
      const started = performance.now();
      core._tesuli_resize(width / ratio, height / ratio, ratio);
      timings.resize.push(performance.now() - started);
      fitDialogs();
    });
    try {
      observer.observe(c, {box: "device-pixel-content-box"});
    } catch (e) {
      observer.observe(c);
    }
  }

  function listenToBoard() {
    const c = canvas();
    const press = (event) => {
      closeMenus();
      document.activeElement && document.activeElement !== document.body && document.activeElement.blur();
      const started = performance.now();
      const box = c.getBoundingClientRect();
      core._tesuli_press(event.clientX - box.left, event.clientY - box.top);
      timings.press.push(performance.now() - started);
    };
    // A finger takes a tile when it is lifted, so that a swipe that scrolls the page takes none:
    // the browser cancels the pointer once it scrolls.
    let touching = null;
    c.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      if (event.pointerType === "touch") touching = event.pointerId;
      else press(event);
    });
    c.addEventListener("pointerup", (event) => {
      if (event.pointerId !== touching) return;
      touching = null;
      press(event);
    });
    c.addEventListener("pointercancel", () => { touching = null; });
    c.addEventListener("contextmenu", (event) => event.preventDefault());
  }

  // --- Commands, menus, tool bar, status bar, keys ----------------------------------------------
  const commandButtons = [];  // per command: its tool buttons and menu items
  let clockTimer = null;

  function runCommand(command) {
    closeMenus();
    core._tesuli_command(command);
  }

  function art(name) {
    return `image-set(url("art/${name}.png") 1x, url("art/${name}@2x.png") 2x)`;
  }

  function buildToolBar() {
    const bar = $("toolbar");
    table.bands.forEach((band, index) => {
      const group = make("div", "band");
      group.dataset.band = index;
      for (const command of band) {
        const look = table.commands[command];
        const button = make("button", "tool");
        button.type = "button";
        button.title = look.hint;
        button.setAttribute("aria-label", look.caption);
        button.dataset.name = look.name;
        const icon = make("span", "icon");
        icon.style.backgroundImage = art(look.icon);
        button.append(icon);
        button.disabled = !look.enabled;
        button.addEventListener("click", () => runCommand(command));
        commandButtons[command].push(button);
        group.append(button);
      }
      bar.append(group);
    });
  }

  function captionWithKey(caption, key) {
    const span = make("span", "caption");
    const at = caption.indexOf(key);
    if (at < 0) {
      span.textContent = caption;
      return span;
    }
    span.append(caption.slice(0, at), make("u", "", caption[at]), caption.slice(at + 1));
    return span;
  }

  function buildMenus() {
    const bar = $("menubar");
    table.menus.forEach((menu, index) => {
      const holder = make("div", "menu");
      const title = make("button", "menu-title");
      title.type = "button";
      title.dataset.menu = index;
      title.append(captionWithKey(menu.caption, menu.accessKey));
      const list = make("div", "menu-list");
      list.setAttribute("role", "menu");
      for (const item of menu.items) {
        const look = table.commands[item.command];
        if (item.separator) list.append(make("hr"));
        const entry = make("button", "menu-item");
        entry.type = "button";
        entry.dataset.command = item.command;
        entry.dataset.key = look.accessKey.toLowerCase();
        entry.append(captionWithKey(look.caption, look.accessKey),
                     make("span", "key", look.keys.length ? look.keys[0].text : ""));
        entry.disabled = !look.enabled;
        entry.addEventListener("click", () => runCommand(item.command));
        commandButtons[item.command].push(entry);
        list.append(entry);
      }
      title.addEventListener("click", () => {
        const open = holder.classList.contains("open");
        closeMenus();
        if (!open) openMenu(holder);
      });
      holder.append(title, list);
      bar.append(holder);
    });
    document.addEventListener("pointerdown", (event) => {
      if (!event.target.closest(".menu")) closeMenus();
    });
  }

  function openMenu(holder) {
    holder.classList.add("open");
    const first = holder.querySelector(".menu-item:not(:disabled)");
    if (first) first.focus();
  }

  function closeMenus() {
    for (const open of document.querySelectorAll(".menu.open")) open.classList.remove("open");
  }

  function buildStatusBar() {
    const panels = $("panels");
    table.panels.forEach((panel, index) => {
      const shown = make("div", "panel" + (panel.centred ? " centred" : ""));
      shown.id = "panel" + index;
      shown.style.flexBasis = panel.width + "px";
      panels.append(shown);
    });
  }

  function enable(command, enabled) {
    for (const button of commandButtons[command]) button.disabled = !enabled;
  }

  function status(panel, text) {
    const shown = $("panel" + panel);
    if (shown) shown.textContent = text;
  }

  function statusText(panel) {
    const shown = $("panel" + panel);
    return shown ? shown.textContent : "";
  }

  function clock(running) {
    if (running && clockTimer === null) {
      clockTimer = setInterval(() => core._tesuli_tick(), 1000);
    } else if (!running && clockTimer !== null) {
      clearInterval(clockTimer);
      clockTimer = null;
    }
  }

  function matches(key, event) {
    if (key.ctrl !== event.ctrlKey || key.alt !== event.altKey || event.metaKey) return false;
    if (key.function) return event.key === "F" + key.function;
    return event.key.toUpperCase() === key.letter;
  }

  const typingKeys = {Enter: 0, " ": 1, Backspace: 2, Escape: 3};

  function gameKey(event) {
    const openMenu = document.querySelector(".menu.open");
    if (openMenu) {
      menuKey(openMenu, event);
      return;
    }
    for (let command = 0; command < table.commands.length; ++command) {
      if (table.commands[command].keys.some((key) => matches(key, event))) {
        event.preventDefault();
        runCommand(command);
        return;
      }
    }
    if (event.altKey && !event.ctrlKey && event.key.length === 1) {
      const menu = table.menus.findIndex((m) => m.accessKey.toLowerCase() === event.key.toLowerCase());
      if (menu >= 0) {
        event.preventDefault();
        openMenu(document.querySelectorAll(".menu")[menu]);
      }
      return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key in typingKeys) {
      event.preventDefault();
      core._tesuli_key(typingKeys[event.key]);
    } else if (/^[a-zA-Z]$/.test(event.key)) {
      event.preventDefault();
      core._tesuli_letter(event.key.charCodeAt(0));
    }
  }

  function menuKey(holder, event) {
    const items = [...holder.querySelectorAll(".menu-item:not(:disabled)")];
    const at = items.indexOf(document.activeElement);
    if (event.key === "Escape") {
      closeMenus();
    } else if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      const step = event.key === "ArrowDown" ? 1 : -1;
      items[(at + step + items.length) % items.length].focus();
    } else if (event.key.length === 1) {
      const item = items.find((i) => i.dataset.key === event.key.toLowerCase());
      if (item) item.click();
    } else {
      return;
    }
    event.preventDefault();
  }

  // On a touch screen the on-screen keyboard comes up for a text box only: this one feeds the board.
  function listenToTyping() {
    const box = $("typing");
    $("keyboard-button").addEventListener("click", () => {
      box.classList.add("shown");
      box.focus();
    });
    box.addEventListener("blur", () => box.classList.remove("shown"));
    box.addEventListener("beforeinput", (event) => {
      event.preventDefault();
      if (event.inputType === "deleteContentBackward") {
        core._tesuli_key(typingKeys.Backspace);
      } else if (event.data) {
        for (const c of event.data) {
          if (/^[a-zA-Z]$/.test(c)) core._tesuli_letter(c.charCodeAt(0));
          else if (c === " ") core._tesuli_key(typingKeys[" "]);
        }
      }
    });
    box.addEventListener("keydown", (event) => {
      if (event.key === "Enter" || event.key === "Escape") {
        event.preventDefault();
        core._tesuli_key(typingKeys[event.key]);
      }
      event.stopPropagation();
    });
  }

  function listenToKeys() {
    document.addEventListener("keydown", (event) => {
      if (event.target.closest && event.target.closest(".modal, .dialog")) return;
      if (event.target.id === "typing") return;
      gameKey(event);
    });
  }

  // --- Messages ---------------------------------------------------------------------------------
  // A box over everything; the core learns the answer when it is closed. Escape answers as the
  // last button (OK, or No), Enter as the one with the focus (No first where there is a question).
  function message(id, title, text, yesNo) {
    modal(title, text, yesNo ? [["Yes", 1], ["No", 2]] : [["OK", 0]], (answer) => core._tesuli_message_closed(id, answer));
  }

  // A page modal; Escape gives the last answer, y and n the first and second of two.
  function modal(title, text, answers, closed) {
    const before = document.activeElement;
    const back = make("div", "modal-back");
    const box = make("div", "modal");
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    box.append(make("div", "title", title), make("div", "text", text));
    const row = make("div", "buttons");
    for (const [caption, answer] of answers) {
      const button = make("button", "", caption);
      button.type = "button";
      button.addEventListener("click", () => {
        back.remove();
        if (before && before.focus && document.contains(before)) before.focus();
        closed(answer);
      });
      row.append(button);
    }
    box.append(row);
    box.addEventListener("keydown", (event) => {
      event.stopPropagation();
      if (event.key === "Escape") {
        event.preventDefault();
        row.lastChild.click();
      } else if (answers.length === 2 && (event.key === "y" || event.key === "n")) {
        event.preventDefault();
        row.children[event.key === "y" ? 0 : 1].click();
      }
    });
    back.append(box);
    $("modals").append(back);
    row.lastChild.focus();
  }

  let blinkTimer = null;
  function blink(milliseconds) {
    clearTimeout(blinkTimer);
    blinkTimer = setTimeout(() => {
      blinkTimer = null;
      core._tesuli_blink();
    }, milliseconds);
  }

  function openUrl(url) {
    // The manual is served beside the page.
    const page = url.startsWith("file:") ? url.slice(url.lastIndexOf("/") + 1) : url;
    window.open(page, "_blank", "noopener");
  }

  function download(name, bytes) {
    const link = make("a");
    link.href = URL.createObjectURL(new Blob([bytes], {type: "text/csv"}));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  let ended = false;
  function close() {
    ended = true;
    clock(false);
    clearTimeout(blinkTimer);
    $("window").hidden = true;
    const back = make("div", "ended");
    const again = make("button", "", "Play again");
    again.addEventListener("click", () => location.reload());
    back.append(make("p", "", "Tesuli has ended."), again);
    document.body.append(back);
  }

  // --- Dialogs ----------------------------------------------------------------------------------
  const dialogs = new Map();  // id -> {screen, element, body, controls}
  const Kinds = ["Bevel", "GroupBox", "Label", "PathLabel", "Button", "Edit", "RadioGroup", "Preview",
                 "ProgramIcon", "ScoreList", "Memo", "CommandList", "KanaChart", "CheckBox"];

  function place(element, rect) {
    element.style.left = rect.l + "px";
    element.style.top = rect.t + "px";
    if (rect.w) element.style.width = rect.w + "px";
    if (rect.h) element.style.height = rect.h + "px";
    return element;
  }

  function drawPicture(holder, picture) {
    holder.textContent = "";
    if (picture.sheet) {
      const shown = make("div", "sheet-cell");
      shown.style.width = picture.cell.w + "px";
      shown.style.height = picture.cell.h + "px";
      shown.style.backgroundImage = art(picture.sheet);
      shown.style.backgroundPosition = `-${picture.cell.l}px -${picture.cell.t}px`;
      holder.append(shown);
      return;
    }
    const drawn = make("canvas");
    drawn.width = picture.w;
    drawn.height = picture.h;
    const ratio = picture.ratio / 1000;
    drawn.style.width = picture.w / ratio + "px";
    drawn.style.height = picture.h / ratio + "px";
    const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, picture.pixels, picture.w * picture.h * 4);
    drawn.getContext("2d").putImageData(new ImageData(new Uint8ClampedArray(bytes), picture.w, picture.h), 0, 0);
    holder.append(drawn);
  }

  function click(dialog, name, item) {
    core.ccall("tesuli_dialog_click", null, ["number", "string", "number"], [dialog.screen.id, name, item]);
  }

  // One builder per kind of control; each returns the element that carries the row's name and,
  // for a frame, where its children go.
  const builders = {
    Bevel: () => make("div", "bevel"),
    GroupBox: (dialog, row) => {
      const group = make("div", "group");
      group.append(make("span", "group-caption", row.caption));
      return group;
    },
    Label: (dialog, row) => {
      const label = make("div", "label", row.caption);
      if (row.tooltip) label.title = row.tooltip;
      return label;
    },
    PathLabel: (dialog, row) => {
      const label = make("div", "label path", row.caption);
      label.title = row.caption;
      return label;
    },
    Button: (dialog, row) => {
      const button = make("button", "button");
      button.type = "button";
      if (row.glyph) {
        const glyph = make("span", "glyph");
        glyph.style.backgroundImage = art(row.glyph);
        button.append(glyph);
      }
      button.append(make("span", "", row.caption));
      if (row.isDefault) button.classList.add("default");
      button.addEventListener("click", () => click(dialog, row.name, -1));
      return button;
    },
    Edit: (dialog, row) => {
      const edit = make("input", "edit");
      edit.type = "text";
      edit.value = row.caption;
      return edit;
    },
    RadioGroup: (dialog, row) => {
      const group = make("div", "group radio-group");
      group.append(make("span", "group-caption", row.caption));
      group.setAttribute("role", "radiogroup");
      row.items.forEach((item, index) => {
        const label = place(make("label", "radio-item"), item.place);
        const radio = make("input");
        radio.type = "radio";
        radio.name = dialog.screen.name + "." + row.name;
        radio.dataset.name = item.name;
        radio.addEventListener("change", () => click(dialog, row.name, index));
        label.append(radio, make("span", "", item.caption));
        group.append(label);
      });
      return group;
    },
    Preview: (dialog, row) => {
      const panel = make("div", "preview");
      panel.tabIndex = 0;
      const picture = make("div", "picture");
      picture.dataset.name = row.image;
      drawPicture(picture, row.picture);
      panel.append(picture);
      panel.addEventListener("click", () => click(dialog, row.name, -1));
      panel.addEventListener("keydown", (event) => {
        const step = {ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3}[event.key];
        if (step !== undefined) {
          event.preventDefault();
          core.ccall("tesuli_dialog_step", null, ["number", "string", "number"], [dialog.screen.id, row.name, step]);
        } else if (event.key === " ") {
          event.preventDefault();
          click(dialog, row.name, -1);
        }
      });
      return panel;
    },
    ProgramIcon: () => {
      const icon = make("img", "program-icon");
      icon.src = "icons/tesuli-32.png";
      icon.srcset = "icons/tesuli-64.png 2x";
      icon.alt = "";
      return icon;
    },
    ScoreList: (dialog, row) => {
      const list = make("div", "score-list");
      const grid = make("table");
      const head = make("tr");
      for (const column of table.scoreColumns) {
        const cell = make("th", "align" + column.align, column.caption);
        cell.style.width = column.width + "px";
        head.append(cell);
      }
      grid.append(make("thead"), make("tbody"));
      grid.tHead.append(head);
      list.append(grid);
      if (row.tabStop) list.tabIndex = 0;
      return list;
    },
    Memo: (dialog, row) => make("div", "memo", row.caption),
    CommandList: () => {
      const list = make("div", "command-list");
      for (const command of table.helpCommands) {
        const icon = make("span", "icon");
        icon.style.backgroundImage = art(table.commands[command.command].icon);
        list.append(icon, make("span", "name", command.name), make("span", "", command.description));
      }
      return list;
    },
    KanaChart: () => make("div", "kana-chart"),
    CheckBox: (dialog, row) => {
      const label = make("label", "check-box");
      const box = make("input");
      box.type = "checkbox";
      box.addEventListener("change", () => click(dialog, row.name, box.checked ? 1 : 0));
      label.append(box, make("span", "", row.caption));
      return label;
    },
  };

  function buildDialog(screen) {
    const element = make("div", "dialog");
    element.dataset.name = screen.name;
    element.setAttribute("role", "dialog");
    element.setAttribute("aria-label", screen.caption);
    const title = make("div", "title");
    if (screen.icon) {
      const icon = make("img", "title-icon");
      icon.src = "icons/tesuli-16.png";
      icon.srcset = "icons/tesuli-32.png 2x";
      icon.alt = "";
      title.append(icon);
    }
    title.append(make("span", "", screen.caption));
    const frameBox = make("div", "client-frame");
    const body = make("div", "client");
    body.style.width = screen.width + "px";
    body.style.height = screen.height + "px";
    frameBox.append(body);
    element.append(title, frameBox);
    const dialog = {screen, element, body, frameBox, controls: new Map()};
    for (const row of screen.controls) {
      const control = builders[Kinds[row.kind]](dialog, row);
      control.dataset.name = row.name;
      control.classList.add("control");
      place(control, row.rect);
      if (row.tooltip) control.title = row.tooltip;
      (row.parent ? dialog.controls.get(row.parent).element : body).append(control);
      dialog.controls.set(row.name, {row, element: control});
    }
    element.addEventListener("keydown", (event) => dialogKey(dialog, event));
    element.addEventListener("focusin", () => raise(dialog));
    element.addEventListener("pointerdown", () => raise(dialog));
    $("dialogs").append(element);
    return dialog;
  }

  let topmost = 10;
  function raise(dialog) {
    dialog.element.style.zIndex = ++topmost;
  }

  function dialogKey(dialog, event) {
    const want = event.key === "Enter" ? "isDefault" : event.key === "Escape" ? "isCancel" : null;
    if (!want || (event.key === "Enter" && event.target.tagName === "BUTTON")) return;
    // Keys typed for the board just before the win dialog came up are not its.
    if (dialog.screen.name === "NameForm" && core._tesuli_name_keys_swallowed()) {
      event.preventDefault();
      return;
    }
    for (const {row} of dialog.controls.values()) {
      if (row[want]) {
        event.preventDefault();
        click(dialog, row.name, -1);
        return;
      }
    }
  }

  // Kinds whose text wraps to any width: a dialog of these alone is laid out narrower on a narrow
  // screen, its text at its own size.
  const Wrapping = new Set(["Bevel", "GroupBox", "Memo", "CommandList", "Button"]);

  // A dialog wider than the screen is shown smaller as a whole, so that no pinch is needed, or
  // narrower where all its text wraps.
  function fitDialog(dialog) {
    const room = Math.min(window.innerWidth, document.documentElement.clientWidth) - 4;
    const scale = Math.min(1, room / (dialog.screen.width + 2));
    if (dialog.screen.controls.every((row) => Wrapping.has(Kinds[row.kind]))) {
      narrow(dialog, scale);
      return;
    }
    dialog.body.style.transform = scale < 1 ? `scale(${scale})` : "";
    dialog.frameBox.style.width = dialog.screen.width * scale + "px";
    dialog.frameBox.style.height = dialog.screen.height * scale + "px";
  }

  // The rows' places and widths across times factor, their heights as designed; a button keeps
  // its width and its margin to the right shrinks with the rest.
  function narrow(dialog, factor) {
    const width = dialog.screen.width;
    for (const {row, element} of dialog.controls.values()) {
      const {l, w} = row.rect;
      if (Kinds[row.kind] === "Button") {
        element.style.left = Math.min(l * factor, width * factor - w - (width - l - w) * factor) + "px";
      } else {
        element.style.left = l * factor + "px";
        if (w) element.style.width = w * factor + "px";
      }
    }
    dialog.body.style.width = dialog.frameBox.style.width = width * factor + "px";
    dialog.frameBox.style.height = dialog.screen.height + "px";
  }

  function fitDialogs() {
    for (const dialog of dialogs.values()) fitDialog(dialog);
  }

  function control(id, name) {
    const dialog = dialogs.get(id);
    const found = dialog && dialog.controls.get(name);
    if (!found) throw new Error(`${dialog ? dialog.screen.name : id} has no control ${name}`);
    return found;
  }

  const dialogApi = {
    build(id, screenJson) {
      if (!dialogs.has(id)) dialogs.set(id, buildDialog(JSON.parse(screenJson)));
    },
    show(id) {
      const dialog = dialogs.get(id);
      dialog.element.classList.add("open");
      fitDialog(dialog);
      raise(dialog);
      const first = dialog.screen.controls.find((row) => row.firstFocus);
      if (first) dialogApi.focus(id, first.name);
    },
    isOpen: (id) => dialogs.has(id) && dialogs.get(id).element.classList.contains("open"),
    hide(id) {
      if (!dialogs.has(id)) return;
      const {element} = dialogs.get(id);
      element.classList.remove("open");
      // The focus leaves with it at once, not when the browser next lays out the page: a key
      // pressed right after is the game's, not the hidden dialog's.
      if (element.contains(document.activeElement)) document.activeElement.blur();
    },
    itemIndex(id, name) {
      const {element} = control(id, name);
      if (element.classList.contains("check-box")) return element.querySelector("input").checked ? 1 : 0;
      return [...element.querySelectorAll("input[type=radio]")].findIndex((radio) => radio.checked);
    },
    setItemIndex(id, name, index) {
      const {element} = control(id, name);
      if (element.classList.contains("check-box")) {
        element.querySelector("input").checked = index === 1;
        return;
      }
      element.querySelectorAll("input[type=radio]").forEach((radio, at) => { radio.checked = at === index; });
    },
    setChosen(id, name, chosen) {
      control(id, name).element.classList.toggle("chosen", chosen);
    },
    setPicture(id, name, picture) {
      drawPicture(control(id, name).element.querySelector(".picture"), picture);
    },
    text(id, name) {
      const {element} = control(id, name);
      return element.tagName === "INPUT" ? element.value : element.textContent;
    },
    setText(id, name, text) {
      const {element} = control(id, name);
      if (element.tagName === "INPUT") element.value = text;
      else element.textContent = text;
      if (element.classList.contains("path")) element.title = text;
    },
    setRows(id, name, rows) {
      const body = control(id, name).element.querySelector("tbody");
      body.textContent = "";
      for (const row of rows) {
        const line = make("tr");
        row.forEach((field, column) => {
          const cell = make("td", "align" + table.scoreColumns[column].align, field);
          cell.title = field;
          line.append(cell);
        });
        body.append(line);
      }
    },
    setChart(id, name, cells) {
      const chart = control(id, name).element;
      chart.textContent = "";
      for (const cell of cells) {
        const shown = place(make("div", "chart-cell"), cell.cell);
        const colour = "#" + cell.colour.toString(16).padStart(6, "0");
        shown.style.background = colour;
        if (cell.picture) {
          const picture = place(make("div", "chart-picture"), {...cell.pictureAt, l: cell.pictureAt.l - cell.cell.l,
                                                                t: cell.pictureAt.t - cell.cell.t});
          drawPicture(picture, cell.picture);
          shown.append(picture);
        }
        cell.lines.forEach((line, at) => {
          if (!line) return;
          const r = cell.lineAt[at];
          shown.append(place(make("div", "chart-line", line), {...r, l: r.l - cell.cell.l, t: r.t - cell.cell.t}));
        });
        chart.append(shown);
      }
    },
    focus(id, name) {
      const {element} = control(id, name);
      const target = element.querySelector("input:checked") || element.querySelector("input") || element;
      target.focus();
    },
  };

  // --- The test read-out ------------------------------------------------------------------------
  function measure(element) {
    const r = element.getBoundingClientRect();
    return [Math.floor(r.left), Math.floor(r.top), Math.round(r.width), Math.round(r.height)];
  }

  function visible(element) {
    return element.getClientRects().length > 0 && getComputedStyle(element).visibility !== "hidden";
  }

  function readout() {
    const box = canvas().getBoundingClientRect();
    core._tesuli_readout_begin(box.left, box.top);
    commandButtons.forEach((buttons, command) => {
      for (const button of buttons) {
        if (visible(button)) core._tesuli_readout_command(command, button.classList.contains("menu-item") ? 1 : 0,
                                                          ...measure(button));
      }
    });
    document.querySelectorAll(".menu-title").forEach((title, menu) => core._tesuli_readout_menu(menu, ...measure(title)));
    let progressOpen = 0;
    for (const dialog of dialogs.values()) {
      if (!dialog.element.classList.contains("open")) continue;
      if (dialog.screen.name === "ProgressForm") progressOpen = 1;
      const named = dialog.element.querySelectorAll("[data-name]");
      for (const element of named) {
        if (element === dialog.element || !visible(element)) continue;
        const isText = element.tagName === "INPUT" ? element.type === "text" : element.classList.contains("label");
        const text = element.tagName === "INPUT" ? element.value : element.textContent;
        core.ccall("tesuli_readout_widget", null,
                   ["string", "string", "number", "number", "number", "number", "string", "number"],
                   [dialog.screen.name, element.dataset.name, ...measure(element), text, isText && text !== "" ? 1 : 0]);
      }
    }
    return core.ccall("tesuli_readout_finish", "string", ["number"], [progressOpen]);
  }

  // What the core drew, as the canvas must show it: for the test of the pixels.
  function corePixels() {
    const width = frame.width;
    const height = frame.height;
    const from = new Uint32Array(core.HEAPU8.buffer, core._tesuli_board_pixels(), width * height);
    return {width, height, pixels: Array.from(from, (p) => p & 0xffffff)};
  }

  // --- Start ------------------------------------------------------------------------------------
  async function decode(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
    const blob = await response.blob();
    const bitmap = await createImageBitmap(blob, {colorSpaceConversion: "none", premultiplyAlpha: "none"});
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = scratch.getContext("2d");
    context.drawImage(bitmap, 0, 0);
    return context.getImageData(0, 0, bitmap.width, bitmap.height);
  }

  // The background sheets are fetched as soon as this script runs, while the program downloads.
  const sheets = [decode("art/BackgroundImage.png"), decode("art/BackgroundImage@2x.png")];
  sheets.forEach((sheet) => sheet.catch(() => {}));

  // A page that cannot load its files says so, and OK tries again.
  async function start() {
    try {
      await startGame();
    } catch (error) {
      modal("Tesuli", `Tesuli could not be loaded (${error && error.message || error}). ` +
            "Check the connection: OK loads the page again.", [["OK", 0]], () => location.reload());
    }
  }

  async function startGame() {
    for (let n = 0; n < 10; ++n) commandButtons.push([]);
    const [module, sheet, doubleSheet] = await Promise.all([TesuliModule(), ...sheets]);
    core = module;
    performance.mark("tesuli-ready");
    table = JSON.parse(core.UTF8ToString(core._tesuli_window_json()));
    // A phone on its side gives the board a place of its own proportions (page.css).
    document.documentElement.style.setProperty("--board-ratio", `${table.board.width} / ${table.board.height}`);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    listenToBoard();
    listenToKeys();
    listenToTyping();
    const copy = (image) => {
      const at = core._malloc(image.data.length);
      core.HEAPU8.set(image.data, at);
      return at;
    };
    const sheetAt = copy(sheet);
    const doubleAt = copy(doubleSheet);
    const box = canvas().getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    core._tesuli_start(sheetAt, sheet.width, sheet.height, doubleAt, doubleSheet.width, doubleSheet.height,
                       Math.round(box.width * ratio) / ratio, Math.round(box.height * ratio) / ratio, ratio);
    core._free(sheetAt);
    core._free(doubleAt);
    performance.mark("tesuli-started");
    watchSize();
    window.addEventListener("storage", (event) => {
      if (event.key === null || event.key.startsWith("tesuli:")) core._tesuli_store_changed();
    });
    window.addEventListener("pagehide", () => {
      if (!ended) core._tesuli_close();
    });
    if (params.has("readout")) {
      window.tesuliReadout = readout;
      window.tesuliCorePixels = corePixels;
      window.tesuliBoardPainted = () => boardPainted;
      window.tesuliTimings = timings;
      window.tesuliAddScore = (player) => core.ccall("tesuli_test_add_score", null, ["string"], [player]);
    }
    if ("serviceWorker" in navigator && location.protocol !== "file:") navigator.serviceWorker.register("sw.js");
    document.body.classList.add("ready");
  }

  return {start, board, message, blink, clock, enable, status, statusText, close, openUrl, download,
          dialogs: dialogApi};
})();
