/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The base of every constraint kind: a catalogue object of its own in a
 * table's constraint list, where its registered type name travels with it
 * in JSON so that reading rebuilds each constraint as its own class.
 */

#include "Meta/object.h"

G_DEFINE_TYPE (TavrelModelMetaMetaConstraint, tavrel_model_meta_meta_constraint, TAVREL_MODEL_META_TYPE_META_OBJECT)

static void
tavrel_model_meta_meta_constraint_class_init (TavrelModelMetaMetaConstraintClass *klass)
{
  LM_META_CHARACTER (klass, CONTRAINT);
}

static void
tavrel_model_meta_meta_constraint_init (TavrelModelMetaMetaConstraint *)
{
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_constraint, TavrelModelMetaMetaConstraint, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_constraint, TavrelModelMetaMetaConstraint, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
