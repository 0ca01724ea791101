-- SPDX-License-Identifier: LGPL-2.1-or-later
-- Every column affinity and the type spellings that reach it, with rows
-- that hold what each column holds most often and what it holds only
-- because SQLite lets it: modeltool's tests read them back through query.

CREATE TABLE affinities (
  a INT, b INTEGER, c TINYINT, d SMALLINT, e MEDIUMINT, f BIGINT,
  g "UNSIGNED BIG INT", h INT2, i INT8,
  j CHARACTER(20), k VARCHAR(255), l "VARYING CHARACTER"(255), m NCHAR(55),
  n "NATIVE CHARACTER"(70), o NVARCHAR(100), p TEXT, q CLOB,
  r BLOB, s,
  t REAL, u DOUBLE, v "DOUBLE PRECISION", w FLOAT,
  x NUMERIC, y DECIMAL(10,5), z BOOLEAN, aa DATE, ab DATETIME,
  -- The rules' surprises: a type naming INT anywhere is an integer, and
  -- one naming none of the words is numeric.
  ac "FLOATING POINT", ad STRING, ae POINT
);

-- 1e22 is the largest power of ten a double holds exactly: SQLite reads
-- literals in long double, which valgrind computes in double precision.
INSERT INTO affinities VALUES (
  1, 2, 3, 4, 5, 9223372036854775807, 7, 8, -9,
  'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q',
  x'00FF10', 'untyped text',
  0.1 + 0.2, 1e22, -2.5, 3,
  12.50, 3.14159, 1, '2024-03-05', '2024-03-05 14:07:09',
  0.5, 'string', 42
);
-- What each affinity holds only as an exception: a text in an integer
-- column, a blob in a text one, a text in a real one, and texts that look
-- like what other conventions read as NULL.
INSERT INTO affinities (a, b, p, q, r, s, t, x, z, ad) VALUES (
  'abc', 2.5, x'6869', '(Null)', 'text in a blob column', 17, 'not a number', 'twelve', NULL, ''
);
