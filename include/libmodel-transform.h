/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * libmodel: the patcher, which compares two rows, tables, data sets or
 * catalogue objects and records what was deleted, inserted or updated.
 *
 * Included by libmodel.h; not to be included on its own.
 */
#ifndef TAVREL_MODEL_TRANSFORM_H
#define TAVREL_MODEL_TRANSFORM_H

#ifndef TAVREL_MODEL_H
#error "include <libmodel.h>, not <libmodel-transform.h>"
#endif

G_BEGIN_DECLS

/* ======================================================================
 * The patcher (Transform/patcher)
 * ====================================================================== */

/**
 * TavrelModelTransformPatcher:
 *
 * Compares two rows, tables, data sets or catalogue objects.
 *
 * Every comparison returns %TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL or
 * %TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, or
 * %TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL when it refuses its arguments.
 * The comparisons of data hand out a patched copy holding what changed (a new
 * reference, or %NULL when nothing changed); the comparison of catalogue
 * objects writes its findings into the target's change record.
 */
#define TAVREL_MODEL_TRANSFORM_TYPE_PATCHER (tavrel_model_transform_patcher_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelTransformPatcher, tavrel_model_transform_patcher, TAVREL_MODEL_TRANSFORM, PATCHER, GObject)

struct _TavrelModelTransformPatcherClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_transform_patcher_new:
 *
 * Creates a patcher.
 *
 * Returns: (transfer full): a new #TavrelModelTransformPatcher
 */
TAVREL_MODEL_API TavrelModelTransformPatcher *tavrel_model_transform_patcher_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelTransformPatcher or a
 *   type derived from it
 *
 * Creates a patcher, as an instance of @object_type. For the constructors of
 * derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelTransformPatcher *tavrel_model_transform_patcher_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_object:
 * @self: a #TavrelModelTransformPatcher
 * @object_source: the object as it was
 * @object_target: the object as it is
 *
 * Compares two objects property by property.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_object (TavrelModelTransformPatcher *self, GObject *object_source, GObject *object_target) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_model:
 * @self: a #TavrelModelTransformPatcher
 * @object_source: the object as it was
 * @object_target: the object as it is; receives the change record
 *
 * Compares two catalogue objects and records in @object_target's diff and
 * slice maps what changed, path by path, relative to @object_source.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_model (TavrelModelTransformPatcher *self, TavrelModelMetaMetaObject *object_source, TavrelModelMetaMetaObject *object_target) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_data_row:
 * @self: a #TavrelModelTransformPatcher
 * @source: the row as read
 * @target: the row as edited
 * @patched: (out) (optional) (nullable) (transfer full): where to store the
 *   patched copy, %NULL when nothing changed
 *
 * Compares two rows value by value.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_row (TavrelModelTransformPatcher *self, TavrelModelDataRowModel *source, TavrelModelDataRowModel *target, TavrelModelDataRowModel **patched) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_data_table:
 * @self: a #TavrelModelTransformPatcher
 * @source: the table as read
 * @target: the table as edited
 * @patched: (out) (optional) (nullable) (transfer full): where to store the
 *   patched copy, %NULL when nothing changed
 *
 * Compares two tables row by row, by position; the patched table holds only
 * the changed rows with each changed value tagged.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_table (TavrelModelTransformPatcher *self, TavrelModelDataTableModel *source, TavrelModelDataTableModel *target, TavrelModelDataTableModel **patched) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_data_table_by_key:
 * @self: a #TavrelModelTransformPatcher
 * @source: the table as stored before
 * @target: the table as stored after
 * @keys: (array length=n_keys): the key columns' positions
 * @n_keys: the number of key positions
 * @patched: (out) (optional) (nullable) (transfer full): where to store the
 *   patched copy, %NULL when nothing changed
 *
 * Compares the rows of one table as stored at two times, pairing rows by
 * their values at the key positions rather than by position, so an
 * inserted, deleted or moved row does not shift the rows after it. Key
 * values pair by their exact contents (a double to its last digit, binary
 * values byte by byte, the database NULL apart from an empty text), not by
 * their rendering. The
 * patched table holds, in the source's order, the changed pairs
 * (%TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE) and the source rows the
 * target lacks (%TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE), then, in the
 * target's order, the target rows the source lacks
 * (%TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT). Rows with equal keys pair in
 * order.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_table_by_key (TavrelModelTransformPatcher *self, TavrelModelDataTableModel *source, TavrelModelDataTableModel *target, const gint *keys, gint n_keys, TavrelModelDataTableModel **patched) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_patcher_diff_data_set:
 * @self: a #TavrelModelTransformPatcher
 * @source: the data set as read
 * @target: the data set as edited
 * @patched: (out) (optional) (nullable) (transfer full): where to store the
 *   patched copy, %NULL when nothing changed
 *
 * Compares two data sets table by table.
 *
 * Returns: the result of the comparison
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_set (TavrelModelTransformPatcher *self, TavrelModelDataDataSetModel *source, TavrelModelDataDataSetModel *target, TavrelModelDataDataSetModel **patched) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

#endif /* TAVREL_MODEL_TRANSFORM_H */
