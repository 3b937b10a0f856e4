// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least page that shows the mill's motion at a wind of 140: four sails, a stone with two
// radius lines and a banner, on the same timers and geometry, each repainted in its own box.

const ratio = window.devicePixelRatio || 1;
const canvas = document.querySelector('canvas');
canvas.width = 725 * ratio;
canvas.height = 573 * ratio;
canvas.style.width = '725px';
canvas.style.height = '573px';
const c = canvas.getContext('2d', { alpha: false });
c.scale(ratio, ratio);
c.fillStyle = '#efefef';
c.fillRect(0, 0, 725, 573);

const period = Math.round(6000 / 140);
let sails = 0;
let stone = 0;
let banner = -2300;
const dirty = new Set(['sails', 'stone', 'banner']);

function line(x1, y1, x2, y2, colour, width) {
  c.strokeStyle = colour;
  c.lineWidth = width;
  c.beginPath();
  c.moveTo(x1, y1);
  c.lineTo(x2, y2);
  c.stroke();
}

const painters = {
  sails() {
    c.fillStyle = '#efefef';
    c.fillRect(216, 123, 235, 235); // the sails with their round ends
    c.lineCap = 'round';
    for (let i = 0; i < 4; i++) {
      const theta = ((sails + 90 * i) * Math.PI) / 180;
      line(333, 240, 333 - Math.sin(theta) * 107, 240 - Math.cos(theta) * 107, i ? '#808000' : '#f00', 15);
    }
  },
  stone() {
    c.fillStyle = '#efefef';
    c.fillRect(52, 172, 110, 110);
    c.fillStyle = '#ffe0c0';
    c.beginPath();
    c.arc(107, 227, 53, 0, 2 * Math.PI);
    c.fill();
    c.lineCap = 'butt';
    for (const offset of [0, 180]) {
      const theta = ((stone + offset) * Math.PI) / 180;
      line(107, 227, 107 + Math.sin(theta) * 53, 227 + Math.cos(theta) * 53, '#0000c0', 3);
    }
  },
  banner() {
    c.fillStyle = '#efefef';
    c.fillRect(0, 1, 725, 33);
    c.fillStyle = '#0000c0';
    c.font = '700 13px "Liberation Sans"';
    c.fillText("...'t is een mooie dag zei de mulder en 't waaide...", banner / 15, 14);
  },
};

let pending = 0;
function paint() {
  pending = 0;
  for (const part of dirty) painters[part]();
  dirty.clear();
}

function every(ms, step) {
  setInterval(() => {
    step();
    if (!pending) pending = requestAnimationFrame(paint);
  }, ms);
}
every(period, () => { sails += 10; dirty.add('sails'); });
every(period, () => { stone -= 45; dirty.add('stone'); });
every(20, () => {
  banner = banner + 20 > 10995 ? -2300 : banner + 20;
  dirty.add('banner');
});
document.fonts.load('700 13px "Liberation Sans"').then(() => requestAnimationFrame(() => {
  paint();
  window.floorFirstFrame = performance.now();
  performance.mark('floor-first-frame');
}));
