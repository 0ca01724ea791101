/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * A row's values for the library's own readers and writers: the table, the
 * factory's new_row and clone reach them here, without the exported
 * functions' checks and without making the row hand out its list.
 *
 * A row keeps its values in a compact array of its own until a caller asks
 * for the live list (get_values, the `values` property); from then on that
 * list is the row's storage.  These functions read and write whichever the
 * row has, so no caller can tell the two apart.
 */

#include "include/libmodel.h"

namespace lm::row {

/* A new plain RowModel at the given version, with room for capacity
 * values; nothing is notified. */
TavrelModelDataRowModel *make (TavrelModelTransformDataVersion version, gint capacity);

gint size (TavrelModelDataRowModel *row) noexcept;

/* Borrowed, possibly null; the caller checks 0 <= position < size. */
TavrelModelDataValueObject *at (TavrelModelDataRowModel *row, gint position) noexcept;

/* A new reference to the value at a position, or null when the position is
 * outside the row or holds null. */
TavrelModelDataValueObject *ref_at (TavrelModelDataRowModel *row, gint position) noexcept;

/* Appends a value the caller owned (may be null), handing it to the row. */
void append_take (TavrelModelDataRowModel *row, gpointer value);

/* Replaces the value at a checked position; the row takes its own reference. */
void replace (TavrelModelDataRowModel *row, gint position, TavrelModelDataValueObject *value);

}  // namespace lm::row
