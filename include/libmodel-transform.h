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

#define TAVREL_MODEL_TRANSFORM_TYPE_PATCHER (tavrel_model_transform_patcher_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelTransformPatcher, tavrel_model_transform_patcher, TAVREL_MODEL_TRANSFORM, PATCHER, GObject)

struct _TavrelModelTransformPatcherClass {
  GObjectClass parent_class;
};

/* Every comparison returns IDENTICAL or UPDATE, or INITIAL when it refuses
 * its arguments.  An out-parameter may be NULL; it receives a new
 * reference, or NULL when nothing changed. */
TAVREL_MODEL_API TavrelModelTransformPatcher *tavrel_model_transform_patcher_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformPatcher *tavrel_model_transform_patcher_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_object (TavrelModelTransformPatcher *self, GObject *object_source, GObject *object_target) TAVREL_MODEL_NOEXCEPT;
/* Records in object_target's diff and slice maps what changed, path by
 * path, relative to object_source. */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_model (TavrelModelTransformPatcher *self, TavrelModelMetaMetaObject *object_source, TavrelModelMetaMetaObject *object_target) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_row (TavrelModelTransformPatcher *self, TavrelModelDataRowModel *source, TavrelModelDataRowModel *target, TavrelModelDataRowModel **patched) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_table (TavrelModelTransformPatcher *self, TavrelModelDataTableModel *source, TavrelModelDataTableModel *target, TavrelModelDataTableModel **patched) TAVREL_MODEL_NOEXCEPT;
/* An addition for comparing the rows of one table as stored at two times:
 * rows pair by the texts of their values at the n_keys positions keys,
 * not by position, so an inserted, deleted or moved row does not shift
 * the rows after it.  The patched table holds, in the source's order, the
 * changed pairs (UPDATE, the target's values tagged "VERSION" as
 * diff_data_row tags them) and the source rows the target lacks (DELETE,
 * the source's values untagged), then, in the target's order, the target
 * rows the source lacks (INSERT, values tagged INSERT).  Rows with equal
 * keys pair in order. */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_table_by_key (TavrelModelTransformPatcher *self, TavrelModelDataTableModel *source, TavrelModelDataTableModel *target, const gint *keys, gint n_keys, TavrelModelDataTableModel **patched) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_patcher_diff_data_set (TavrelModelTransformPatcher *self, TavrelModelDataDataSetModel *source, TavrelModelDataDataSetModel *target, TavrelModelDataDataSetModel **patched) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

#endif /* TAVREL_MODEL_TRANSFORM_H */
