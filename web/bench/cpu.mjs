// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU time of every process this one started (the browser and its helpers), from /proc, over
// what `during` does.
import { readdirSync, readFileSync } from 'node:fs';

const TicksPerSecond = 100; // USER_HZ on Linux

function processes() {
  const table = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      table.set(Number(name), { parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) });
    } catch { /* the process ended meanwhile */ }
  }
  return table;
}

function descendantTicks(root) {
  const table = processes();
  let total = -(table.get(root)?.ticks ?? 0);
  const pending = [root];
  while (pending.length) {
    const pid = pending.pop();
    total += table.get(pid)?.ticks ?? 0;
    for (const [child, { parent }] of table) if (parent === pid) pending.push(child);
  }
  return total;
}

export async function childrenCpuSeconds(during) {
  const before = descendantTicks(process.pid);
  await during();
  return (descendantTicks(process.pid) - before) / TicksPerSecond;
}
