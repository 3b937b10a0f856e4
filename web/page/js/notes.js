// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Short notes of the page itself, in the frame's caption bar so that they never cover the
// form's drawing: an error the page did not expect, and a new version that is ready.

const Texts = {
  error: 'Er ging iets mis; de molen draait door.',
  update: 'Nieuwe versie klaar: klik om te laden.',
};

function noteList() {
  let list = document.querySelector('.notes');
  if (!list) {
    list = Object.assign(document.createElement('div'), { className: 'notes' });
    list.setAttribute('role', 'status');
    document.querySelector('.caption-bar').append(list);
  }
  return list;
}

// Shows the note of `kind` once; `onClick`, if given, makes it a button.
export function showNote(kind, onClick = null) {
  const list = noteList();
  if (list.querySelector(`[data-note="${kind}"]`)) return;
  const note = document.createElement(onClick ? 'button' : 'p');
  Object.assign(note, { className: 'note', textContent: Texts[kind] });
  note.dataset.note = kind;
  if (onClick) Object.assign(note, { type: 'button' }).addEventListener('click', onClick);
  list.append(note);
}

// Every error that reaches the window unhandled is shown; the mill runs on.
export function noteUnexpectedErrors() {
  const show = () => showNote('error');
  window.addEventListener('error', show);
  window.addEventListener('unhandledrejection', show);
}
