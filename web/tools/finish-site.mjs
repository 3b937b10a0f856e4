// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finishes the site scripts/web-build assembled: the style sheet and icon in the page, the
// manifest, icons and theme colour, then the service worker over every file, then the
// compressed copies a host sends.
// Usage (from the repository's root):
//   node web/tools/finish-site.mjs SITE_DIR FIRST_FIT START_CHECK MODULE_DIR
import { compressSite } from './compress.mjs';
import { formFacts } from './form_facts.mjs';
import { inlineFirstPaint } from './inline.mjs';
import { fillThemeColour, siteColours, writeIcons, writeManifest } from './manifest.mjs';
import { writeWorker } from './precache.mjs';
import { writeSecurityPolicy } from './security.mjs';

const [site, firstFit, startCheck, moduleDir] = process.argv.slice(2);
const facts = await formFacts(moduleDir);
const colours = siteColours('.', facts.formColour);
fillThemeColour(site, colours);
inlineFirstPaint(site, { 'js/first_fit.js': firstFit, 'js/start_check.js': startCheck }, facts);
writeSecurityPolicy(site);
writeManifest(site, colours);
writeIcons(site, 'host/molen.svg', colours);
writeWorker(site, 'web/page/sw.js');
compressSite(site);
