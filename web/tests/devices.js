// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens the page is tried on, as Chromium's device emulation takes them: viewport in CSS
// pixels, device pixel ratio, and whether the screen is touched and the browser a mobile one.
export const Devices = [
  { name: 'smallest phone', viewport: { width: 320, height: 480 }, deviceScaleFactor: 2,
    hasTouch: true, isMobile: true },
  { name: 'phone portrait', viewport: { width: 390, height: 844 }, deviceScaleFactor: 3,
    hasTouch: true, isMobile: true },
  { name: 'phone landscape', viewport: { width: 844, height: 390 }, deviceScaleFactor: 3,
    hasTouch: true, isMobile: true },
  { name: 'Chromebook zoomed', viewport: { width: 683, height: 384 }, deviceScaleFactor: 2,
    hasTouch: true, isMobile: false },
  { name: 'tablet', viewport: { width: 820, height: 1180 }, deviceScaleFactor: 2,
    hasTouch: true, isMobile: true },
  { name: 'laptop', viewport: { width: 1366, height: 768 }, deviceScaleFactor: 1,
    hasTouch: false, isMobile: false },
  { name: 'laptop at 150 %', viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1.5,
    hasTouch: false, isMobile: false },
  { name: '4K', viewport: { width: 3840, height: 2160 }, deviceScaleFactor: 1,
    hasTouch: false, isMobile: false },
];

// The options of a browser context that emulates `device`.
export const contextOf = ({ viewport, deviceScaleFactor, hasTouch, isMobile }) =>
  ({ viewport, deviceScaleFactor, hasTouch, isMobile });
