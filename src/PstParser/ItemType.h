// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The kind of an item. The numbers are stable: views and exporters compare them.
enum ItemType {
    Mail = 0,
    Calendar = 1,
    Contact = 2,
    Journal = 3,
    Task = 4,
    Note = 5,
    Folder = 6,
};
