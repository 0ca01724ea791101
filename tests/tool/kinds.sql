-- SPDX-License-Identifier: LGPL-2.1-or-later
-- A database with quoted and non-ASCII names, constraints of every kind,
-- generated columns, partial and expression indexes, WITHOUT ROWID and
-- STRICT tables, views and triggers.  modeltool's tests build it and
-- compare the catalogue modeltool reads with an expected file.

CREATE TABLE "odd ""names"" [here]" (
  "select" TEXT PRIMARY KEY,
  [group by] INTEGER,
  `back``tick` REAL,
  "größe" NUMERIC DEFAULT 1.5,
  "日本語" TEXT COLLATE NOCASE /* a comment, (with parentheses) */
) WITHOUT ROWID;

CREATE TABLE accounts (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  owner TEXT NOT NULL ON CONFLICT REPLACE,
  iban TEXT UNIQUE,
  balance NUMERIC NOT NULL DEFAULT 0 CHECK (balance >= -1000),
  currency TEXT NOT NULL DEFAULT 'EUR' CONSTRAINT currency_code CHECK (length(currency) = 3),
  opened TEXT DEFAULT CURRENT_TIMESTAMP,
  parent INTEGER REFERENCES accounts ON DELETE SET NULL DEFERRABLE INITIALLY DEFERRED,
  label TEXT GENERATED ALWAYS AS (owner || ' (' || currency || ')') VIRTUAL,
  cents INTEGER AS (CAST(balance * 100 AS INTEGER)) STORED,
  CONSTRAINT owner_currency UNIQUE (owner, currency) ON CONFLICT ABORT,
  CHECK (currency <> 'XXX' AND (balance > -1000 OR owner = 'bank'))
);

CREATE TABLE transfers (
  "from" INTEGER NOT NULL,
  "to" INTEGER NOT NULL,
  amount NUMERIC NOT NULL CHECK (amount > 0),
  note TEXT,
  FOREIGN KEY ("from") REFERENCES accounts (id) ON UPDATE CASCADE,
  CONSTRAINT to_account FOREIGN KEY ("to") REFERENCES accounts (id) MATCH SIMPLE
);

CREATE TABLE strict_things (
  id INTEGER PRIMARY KEY,
  payload ANY,
  weight REAL
) STRICT;

CREATE TABLE pairs (
  x TEXT, y TEXT, z INT,
  PRIMARY KEY (y DESC, x) ON CONFLICT IGNORE
);

CREATE TABLE plain (anything, notes TEXT);

CREATE INDEX accounts_by_owner ON accounts (owner COLLATE NOCASE, opened DESC);
CREATE UNIQUE INDEX accounts_open_iban ON accounts (iban) WHERE iban IS NOT NULL AND balance > 0;
CREATE INDEX transfers_by_amount ON transfers (abs(amount) DESC, lower(note) COLLATE NOCASE);
CREATE INDEX "odd index" ON "odd ""names"" [here]" ("größe");

CREATE VIEW rich AS select a.id as account, a.owner as who from accounts a where a.balance > 1000;
CREATE VIEW "owners (view)" ("owner name", n) AS SELECT owner, count(*) FROM accounts GROUP BY owner;

CREATE TRIGGER transfers_check BEFORE INSERT ON transfers
  WHEN new.amount > 10000
BEGIN
  SELECT RAISE (ABORT, 'too large; ask the bank');
END;

CREATE TRIGGER "audit ""quoted""" AFTER UPDATE OF balance, currency ON accounts
BEGIN
  -- keep the old balance
  INSERT INTO transfers ("from", "to", amount, note) VALUES (old.id, new.id, 1, 'audit');
END;

CREATE TRIGGER plain_default DELETE ON plain BEGIN SELECT 1; END;

CREATE TRIGGER rich_insert INSTEAD OF INSERT ON rich
BEGIN
  INSERT INTO accounts (owner, balance) VALUES (new.who, 1001);
END;
