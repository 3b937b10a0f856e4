# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

