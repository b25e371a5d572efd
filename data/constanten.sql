-- VktC2020: the constants database of the wage calculator, holding the official 2020 figures
-- (Dutch wage tax and national-insurance premiums, credits, minimum wages, premium-wage maxima).
-- The program opens it read-only and, for a calculation date, reads the rows whose Ingangsdatum is
-- the latest one not after that date. Every table has rows for 1 January, 1 April and 1 July 2020,
-- but only the minimum wages change during the year (1 July). The 1 April and 1 July rows of a table are
-- copied from its 1 January rows, so every figure is written, with its source, only once.
--
-- The comment beside a figure gives its source and its status:
--   official  read in a publication of the tax authority or the government, or in a faithful copy of one.
--   verified  together with the other wage-tax figures here, reproduces every row of the official 2020
--             white monthly wage-tax table ("Standaard", January 2020, 4.50 to 8,235.00 in steps of 4.50)
--             for all three age groups, with and without wage-tax credit, including the applied labour
--             credit, to the cent.
--   derived   computed from official figures by the rule given beside it, as no official figure was found.
--
-- Dates are text YYYY-MM-DD HH:MM:SS, booleans 0/1. Rates are in percent, except where a comment
-- says they are fractions (PercentageBerekenGrens and the credit rates).
--
-- Age groups in column names: Onder65/OnderAOW below the state-pension (AOW) age. Boven65/BovenAOW at
-- AOW age (for the bracket and special-reward figures: born before 1946). Boven65Geboren1946EnLater at
-- AOW age, born in 1946 or later.
-- Residence groups (InwonergroepLBTabel): 0 Inwoners van Nederland, 1 EU, EER, Zwitserland of BES,
-- 2 Een derde land, 3 België, 4 Suriname/Aruba.

----------------------------------------------------------------------------------------------------
-- SociaalFiscaal: wage-tax parameters, one row per residence group.
----------------------------------------------------------------------------------------------------

CREATE TABLE SociaalFiscaal (
    Ingangsdatum DATETIME NOT NULL,
    InwonergroepLBTabel INTEGER NOT NULL,
    FactorKwartaalGeenBon DOUBLE,
    FactorMaandGeenBon DOUBLE,
    Factor4WekenGeenBon DOUBLE,
    FactorWeekGeenBon DOUBLE,
    FactorDagGeenBon DOUBLE,
    BerekenGrens DOUBLE,
    PercentageBerekenGrens DOUBLE,
    FactorBerekenGrens INTEGER,
    MaxSchijvenTarief1Onder65 DOUBLE,
    MaxSchijvenTarief2Onder65 DOUBLE,
    MaxSchijvenTarief3Onder65 DOUBLE,
    PercentageSchijf1Onder65 DOUBLE,
    PercentageSchijf2Onder65 DOUBLE,
    PercentageSchijf3Onder65 DOUBLE,
    PercentageSchijf4Onder65 DOUBLE,
    BijtelSchijf1Onder65 DOUBLE,
    BijtelSchijf2Onder65 DOUBLE,
    BijtelSchijf3Onder65 DOUBLE,
    BijtelSchijf4Onder65 DOUBLE,
    MaxSchijvenTarief1Boven65 DOUBLE,
    MaxSchijvenTarief2Boven65 DOUBLE,
    MaxSchijvenTarief3Boven65 DOUBLE,
    PercentageSchijf1Boven65 DOUBLE,
    PercentageSchijf2Boven65 DOUBLE,
    PercentageSchijf3Boven65 DOUBLE,
    PercentageSchijf4Boven65 DOUBLE,
    BijtelSchijf1Boven65 DOUBLE,
    BijtelSchijf2Boven65 DOUBLE,
    BijtelSchijf3Boven65 DOUBLE,
    BijtelSchijf4Boven65 DOUBLE,
    MaxSchijvenTarief1Boven65Geboren1946EnLater DOUBLE,
    MaxSchijvenTarief2Boven65Geboren1946EnLater DOUBLE,
    MaxSchijvenTarief3Boven65Geboren1946EnLater DOUBLE,
    PercentageSchijf1Boven65Geboren1946EnLater DOUBLE,
    PercentageSchijf2Boven65Geboren1946EnLater DOUBLE,
    PercentageSchijf3Boven65Geboren1946EnLater DOUBLE,
    PercentageSchijf4Boven65Geboren1946EnLater DOUBLE,
    BijtelSchijf1Boven65Geboren1946EnLater DOUBLE,
    BijtelSchijf2Boven65Geboren1946EnLater DOUBLE,
    BijtelSchijf3Boven65Geboren1946EnLater DOUBLE,
    BijtelSchijf4Boven65Geboren1946EnLater DOUBLE,
    BelArtiestInOnder65 DOUBLE,
    BelArtiestInBoven65 DOUBLE,
    BelArtiestUitOnder65 DOUBLE,
    BelArtiestUitBoven65 DOUBLE,
    BelThuiswerkGeenKortingOnder65 DOUBLE,
    BelThuiswerkKortingOnder65 DOUBLE,
    BelThuiswerkGeenKortingBoven65 DOUBLE,
    BelThuiswerkKortingBoven65 DOUBLE,
    KostenAftrekThuiswerk DOUBLE,
    AnoniemenTarief DOUBLE,
    arko1Onder65 DOUBLE,
    arko1Boven65 DOUBLE,
    arko2Onder65 DOUBLE,
    arko2Boven65 DOUBLE,
    arko3Onder65 DOUBLE,
    arko3Boven65 DOUBLE,
    arkg1Onder65 DOUBLE,
    arkg1Boven65 DOUBLE,
    arkg2Onder65 DOUBLE,
    arkg2Boven65 DOUBLE,
    arkg3Onder65 DOUBLE,
    arkg3Boven65 DOUBLE,
    arkm1Onder65 DOUBLE,
    arkm1Boven65 DOUBLE,
    arkm2Onder65 DOUBLE,
    arkm2Boven65 DOUBLE,
    arkm3Onder65 DOUBLE,
    arkm3Boven65 DOUBLE,
    arka1Onder65 DOUBLE,
    arka1Boven65 DOUBLE,
    arkg4Onder65 DOUBLE,
    arkg4Boven65 DOUBLE,
    ahk1OnderAOW DOUBLE,
    ahk1BovenAOW DOUBLE,
    ahk2OnderAOW DOUBLE,
    ahk2BovenAOW DOUBLE,
    ouk1OnderAOW DOUBLE,
    ouk1BovenAOW DOUBLE,
    ouk2OnderAOW DOUBLE,
    ouk2BovenAOW DOUBLE,
    ouk3OnderAOW DOUBLE,
    ouk3BovenAOW DOUBLE,
    aok1OnderAOW DOUBLE,
    aok1BovenAOW DOUBLE,
    PRIMARY KEY (Ingangsdatum, InwonergroepLBTabel)
);

-- 1 January 2020, residence group 0 (residents of the Netherlands), values in column order.
INSERT INTO SociaalFiscaal VALUES (
    '2020-01-01 00:00:00', -- Ingangsdatum
    0,         -- InwonergroepLBTabel: residents of the Netherlands
    -- Period factors: pay periods per year, an annual wage is the period wage times the factor.
    4,         -- FactorKwartaalGeenBon: quarters per year (official convention)
    12,        -- FactorMaandGeenBon: months per year (verified)
    13,        -- Factor4WekenGeenBon: four-week periods per year (official convention)
    52,        -- FactorWeekGeenBon: weeks per year (official convention)
    260,       -- FactorDagGeenBon: the wage-tax day tables count 260 days a year (official convention)
    -- Calculation limit.
    98820,     -- BerekenGrens: last row of the monthly table, 8,235.00 x 12, above it the excess is taxed at the top
               -- rate without rounding (verified)
    0.495,     -- PercentageBerekenGrens: top rate 49.50 %, as a fraction (verified)
    54,        -- FactorBerekenGrens: annual wage rounded down to a multiple of it, table step 4.50 x 12 (verified)
    -- Brackets: rate = wage tax plus national-insurance premiums, Bijtel = tax of the brackets below, each
    -- bracket truncated to whole euros. Bracket 1 ends at 20,711, where the general tax credit starts to
    -- phase out, and the phase-out ends at the upper bound of bracket 3. All verified.
    -- Below AOW age (Onder65).
    20711,     -- MaxSchijvenTarief1Onder65 (verified)
    34712,     -- MaxSchijvenTarief2Onder65 (verified)
    68507,     -- MaxSchijvenTarief3Onder65 (verified)
    37.35,     -- PercentageSchijf1Onder65 (verified)
    37.35,     -- PercentageSchijf2Onder65 (verified)
    37.35,     -- PercentageSchijf3Onder65 (verified)
    49.50,     -- PercentageSchijf4Onder65 (verified)
    0,         -- BijtelSchijf1Onder65 (verified)
    7735,      -- BijtelSchijf2Onder65 (verified)
    12964,     -- BijtelSchijf3Onder65 (verified)
    25586,     -- BijtelSchijf4Onder65 (verified)
    -- AOW age, born before 1946 (Boven65).
    20711,     -- MaxSchijvenTarief1Boven65 (verified)
    35375,     -- MaxSchijvenTarief2Boven65 (verified)
    68507,     -- MaxSchijvenTarief3Boven65 (verified)
    19.45,     -- PercentageSchijf1Boven65 (verified)
    19.45,     -- PercentageSchijf2Boven65 (verified)
    37.35,     -- PercentageSchijf3Boven65 (verified)
    49.50,     -- PercentageSchijf4Boven65 (verified)
    0,         -- BijtelSchijf1Boven65 (verified)
    4028,      -- BijtelSchijf2Boven65 (verified)
    6880,      -- BijtelSchijf3Boven65 (verified)
    19254,     -- BijtelSchijf4Boven65 (verified)
    -- AOW age, born in 1946 or later (Boven65Geboren1946EnLater).
    20711,     -- MaxSchijvenTarief1Boven65Geboren1946EnLater (verified)
    34712,     -- MaxSchijvenTarief2Boven65Geboren1946EnLater (verified)
    68507,     -- MaxSchijvenTarief3Boven65Geboren1946EnLater (verified)
    19.45,     -- PercentageSchijf1Boven65Geboren1946EnLater (verified)
    19.45,     -- PercentageSchijf2Boven65Geboren1946EnLater (verified)
    37.35,     -- PercentageSchijf3Boven65Geboren1946EnLater (verified)
    49.50,     -- PercentageSchijf4Boven65Geboren1946EnLater (verified)
    0,         -- BijtelSchijf1Boven65Geboren1946EnLater (verified)
    4028,      -- BijtelSchijf2Boven65Geboren1946EnLater (verified)
    6751,      -- BijtelSchijf3Boven65Geboren1946EnLater (verified)
    19373,     -- BijtelSchijf4Boven65Geboren1946EnLater (verified)
    -- Fixed rates, in percent.
    37.35,     -- BelArtiestInOnder65: domestic artists and sportsmen, first-bracket rate (derived)
    19.45,     -- BelArtiestInBoven65: the same at AOW age (derived)
    20,        -- BelArtiestUitOnder65: foreign artists and professional sportsmen, 20 % (official convention)
    20,        -- BelArtiestUitBoven65: the same at AOW age (official convention)
    37.35,     -- BelThuiswerkGeenKortingOnder65: home workers, no 2020 figure found, first-bracket rate (derived)
    37.35,     -- BelThuiswerkKortingOnder65: as above (derived)
    19.45,     -- BelThuiswerkGeenKortingBoven65: as above, at AOW age (derived)
    19.45,     -- BelThuiswerkKortingBoven65: as above, at AOW age (derived)
    0,         -- KostenAftrekThuiswerk: costs deduction for home workers, no 2020 figure found (derived)
    52,        -- AnoniemenTarief: anonymous-employee rate, Wet LB 1964 art. 26b, 52 % in 2020 (official)
    -- Credits of residents. Rates are fractions. Sources: Belastingplan 2020 and payroll publications
    -- quoting it. The AOW-age labour credit (maximum 1,989 and its rates) fitted exactly to the official
    -- monthly table.
    0.02812,   -- arko1Onder65: labour credit build-up rate up to arkg1, 2.812 %, Belastingplan 2020 (verified)
    0.01464,   -- arko1Boven65: the same at AOW age, 1.464 %, fitted to the official table (verified)
    0.28812,   -- arko2Onder65: labour credit build-up rate from arkg1 to arkg2, 28.812 %, Belastingplan 2020 (verified)
    0.15004,   -- arko2Boven65: the same at AOW age, 15.004 %, fitted to the official table (verified)
    0.01656,   -- arko3Onder65: labour credit build-up rate from arkg2 to arkg3, 1.656 %, Belastingplan 2020 (verified)
    0.00862,   -- arko3Boven65: the same at AOW age, 0.862 %, fitted to the official table (verified)
    9921,      -- arkg1Onder65: labour credit first threshold, 9,921, Belastingplan 2020 (verified)
    9921,      -- arkg1Boven65: the same at AOW age (verified)
    21430,     -- arkg2Onder65: labour credit second threshold, 21,430, Belastingplan 2020 (verified)
    21430,     -- arkg2Boven65: the same at AOW age (verified)
    34954,     -- arkg3Onder65: labour credit third threshold and phase-out start, 34,954, Belastingplan 2020 (verified)
    34954,     -- arkg3Boven65: the same at AOW age (verified)
    279,       -- arkm1Onder65: labour credit reached at arkg1, 279, Belastingplan 2020 (verified)
    146,       -- arkm1Boven65: the same at AOW age, 146, fitted to the official table (verified)
    3595,      -- arkm2Onder65: labour credit reached at arkg2, 3,595, Belastingplan 2020 (verified)
    1873,      -- arkm2Boven65: the same at AOW age, 1,873, fitted to the official table (verified)
    3819,      -- arkm3Onder65: maximum labour credit, 3,819, Belastingplan 2020 (verified)
    1989,      -- arkm3Boven65: maximum labour credit at AOW age, 1,989 (verified)
    0.06,      -- arka1Onder65: labour credit phase-out rate above arkg3, 6 %, Belastingplan 2020 (verified)
    0.03124,   -- arka1Boven65: the same at AOW age, 3.124 %, fitted to the official table (verified)
    98604,     -- arkg4Onder65: labour credit phase-out end, 98,604, Belastingplan 2020 (verified)
    98604,     -- arkg4Boven65: the same at AOW age (verified)
    2711,      -- ahk1OnderAOW: maximum general tax credit, 2,711, Belastingplan 2020 (verified)
    1413,      -- ahk1BovenAOW: maximum general tax credit at AOW age, 1,413, Belastingplan 2020 (verified)
    0.05672,   -- ahk2OnderAOW: general tax credit phase-out rate, 5.672 %, Belastingplan 2020 (verified)
    0.02954,   -- ahk2BovenAOW: the same at AOW age, 2.954 % (verified)
    0,         -- ouk1OnderAOW: no elderly credit below AOW age
    1622,      -- ouk1BovenAOW: elderly credit, 1,622, Belastingplan 2020 (verified)
    0,         -- ouk2OnderAOW: no elderly credit below AOW age
    37372,     -- ouk2BovenAOW: elderly credit income limit, 37,372, Belastingplan 2020 (verified)
    0,         -- ouk3OnderAOW: no elderly credit below AOW age
    0.15,      -- ouk3BovenAOW: elderly credit phase-out rate above the limit, 15 %, Belastingplan 2020 (verified)
    0,         -- aok1OnderAOW: no single elderly credit below AOW age
    436        -- aok1BovenAOW: single elderly credit, 436, Belastingplan 2020 (official), loaded but not used
);

-- Residence groups 1 to 4: the same figures as residents except the credits. In 2020 a non-resident
-- gets only the premium part of a credit (below AOW age 27.65/37.35 of it, at AOW age 9.75/19.45), except:
-- residents of the EU, EER, Switzerland or BES also get the tax part of the labour credit, residents of
-- Belgium get the full labour credit and, by treaty, the full general tax credit, and residents of Suriname
-- and Aruba get, by treaty, the full general tax credit. The credits below follow from the figures of
-- residents by these rules (rates to 5 decimals, amounts to whole euros), all derived.
INSERT INTO SociaalFiscaal (
    Ingangsdatum, InwonergroepLBTabel, FactorKwartaalGeenBon, FactorMaandGeenBon, Factor4WekenGeenBon,
    FactorWeekGeenBon, FactorDagGeenBon, BerekenGrens, PercentageBerekenGrens, FactorBerekenGrens,
    MaxSchijvenTarief1Onder65, MaxSchijvenTarief2Onder65, MaxSchijvenTarief3Onder65, PercentageSchijf1Onder65,
    PercentageSchijf2Onder65, PercentageSchijf3Onder65, PercentageSchijf4Onder65, BijtelSchijf1Onder65,
    BijtelSchijf2Onder65, BijtelSchijf3Onder65, BijtelSchijf4Onder65, MaxSchijvenTarief1Boven65,
    MaxSchijvenTarief2Boven65, MaxSchijvenTarief3Boven65, PercentageSchijf1Boven65, PercentageSchijf2Boven65,
    PercentageSchijf3Boven65, PercentageSchijf4Boven65, BijtelSchijf1Boven65, BijtelSchijf2Boven65,
    BijtelSchijf3Boven65, BijtelSchijf4Boven65, MaxSchijvenTarief1Boven65Geboren1946EnLater,
    MaxSchijvenTarief2Boven65Geboren1946EnLater, MaxSchijvenTarief3Boven65Geboren1946EnLater,
    PercentageSchijf1Boven65Geboren1946EnLater, PercentageSchijf2Boven65Geboren1946EnLater,
    PercentageSchijf3Boven65Geboren1946EnLater, PercentageSchijf4Boven65Geboren1946EnLater,
    BijtelSchijf1Boven65Geboren1946EnLater, BijtelSchijf2Boven65Geboren1946EnLater,
    BijtelSchijf3Boven65Geboren1946EnLater, BijtelSchijf4Boven65Geboren1946EnLater, BelArtiestInOnder65,
    BelArtiestInBoven65, BelArtiestUitOnder65, BelArtiestUitBoven65, BelThuiswerkGeenKortingOnder65,
    BelThuiswerkKortingOnder65, BelThuiswerkGeenKortingBoven65, BelThuiswerkKortingBoven65,
    KostenAftrekThuiswerk, AnoniemenTarief, arko1Onder65, arko1Boven65, arko2Onder65, arko2Boven65,
    arko3Onder65, arko3Boven65, arkg1Onder65, arkg1Boven65, arkg2Onder65, arkg2Boven65, arkg3Onder65,
    arkg3Boven65, arkm1Onder65, arkm1Boven65, arkm2Onder65, arkm2Boven65, arkm3Onder65, arkm3Boven65,
    arka1Onder65, arka1Boven65, arkg4Onder65, arkg4Boven65, ahk1OnderAOW, ahk1BovenAOW, ahk2OnderAOW,
    ahk2BovenAOW, ouk1OnderAOW, ouk1BovenAOW, ouk2OnderAOW, ouk2BovenAOW, ouk3OnderAOW, ouk3BovenAOW,
    aok1OnderAOW, aok1BovenAOW
)
SELECT
    Ingangsdatum, Groep.column1, FactorKwartaalGeenBon, FactorMaandGeenBon, Factor4WekenGeenBon,
    FactorWeekGeenBon, FactorDagGeenBon, BerekenGrens, PercentageBerekenGrens, FactorBerekenGrens,
    MaxSchijvenTarief1Onder65, MaxSchijvenTarief2Onder65, MaxSchijvenTarief3Onder65, PercentageSchijf1Onder65,
    PercentageSchijf2Onder65, PercentageSchijf3Onder65, PercentageSchijf4Onder65, BijtelSchijf1Onder65,
    BijtelSchijf2Onder65, BijtelSchijf3Onder65, BijtelSchijf4Onder65, MaxSchijvenTarief1Boven65,
    MaxSchijvenTarief2Boven65, MaxSchijvenTarief3Boven65, PercentageSchijf1Boven65, PercentageSchijf2Boven65,
    PercentageSchijf3Boven65, PercentageSchijf4Boven65, BijtelSchijf1Boven65, BijtelSchijf2Boven65,
    BijtelSchijf3Boven65, BijtelSchijf4Boven65, MaxSchijvenTarief1Boven65Geboren1946EnLater,
    MaxSchijvenTarief2Boven65Geboren1946EnLater, MaxSchijvenTarief3Boven65Geboren1946EnLater,
    PercentageSchijf1Boven65Geboren1946EnLater, PercentageSchijf2Boven65Geboren1946EnLater,
    PercentageSchijf3Boven65Geboren1946EnLater, PercentageSchijf4Boven65Geboren1946EnLater,
    BijtelSchijf1Boven65Geboren1946EnLater, BijtelSchijf2Boven65Geboren1946EnLater,
    BijtelSchijf3Boven65Geboren1946EnLater, BijtelSchijf4Boven65Geboren1946EnLater, BelArtiestInOnder65,
    BelArtiestInBoven65, BelArtiestUitOnder65, BelArtiestUitBoven65, BelThuiswerkGeenKortingOnder65,
    BelThuiswerkKortingOnder65, BelThuiswerkGeenKortingBoven65, BelThuiswerkKortingBoven65,
    KostenAftrekThuiswerk, AnoniemenTarief, arko1Onder65, arko1Boven65, arko2Onder65, arko2Boven65,
    arko3Onder65, arko3Boven65, arkg1Onder65, arkg1Boven65, arkg2Onder65, arkg2Boven65, arkg3Onder65,
    arkg3Boven65, arkm1Onder65, arkm1Boven65, arkm2Onder65, arkm2Boven65, arkm3Onder65, arkm3Boven65,
    arka1Onder65, arka1Boven65, arkg4Onder65, arkg4Boven65, ahk1OnderAOW, ahk1BovenAOW, ahk2OnderAOW,
    ahk2BovenAOW, ouk1OnderAOW, ouk1BovenAOW, ouk2OnderAOW, ouk2BovenAOW, ouk3OnderAOW, ouk3BovenAOW,
    aok1OnderAOW, aok1BovenAOW
FROM SociaalFiscaal, (VALUES (1), (2), (3), (4)) AS Groep
WHERE Ingangsdatum = '2020-01-01 00:00:00' AND InwonergroepLBTabel = 0;

-- Group 1: EU, EER, Zwitserland of BES.
UPDATE SociaalFiscaal SET
    arko1Onder65 = 0.02812,  -- full credit, as for residents (derived)
    arko1Boven65 = 0.01464,  -- full credit, as for residents (derived)
    arko2Onder65 = 0.28812,  -- full credit, as for residents (derived)
    arko2Boven65 = 0.15004,  -- full credit, as for residents (derived)
    arko3Onder65 = 0.01656,  -- full credit, as for residents (derived)
    arko3Boven65 = 0.00862,  -- full credit, as for residents (derived)
    arkg1Onder65 = 9921,     -- threshold as for residents (derived)
    arkg1Boven65 = 9921,     -- threshold as for residents (derived)
    arkg2Onder65 = 21430,    -- threshold as for residents (derived)
    arkg2Boven65 = 21430,    -- threshold as for residents (derived)
    arkg3Onder65 = 34954,    -- threshold as for residents (derived)
    arkg3Boven65 = 34954,    -- threshold as for residents (derived)
    arkm1Onder65 = 279,      -- full credit, as for residents (derived)
    arkm1Boven65 = 146,      -- full credit, as for residents (derived)
    arkm2Onder65 = 3595,     -- full credit, as for residents (derived)
    arkm2Boven65 = 1873,     -- full credit, as for residents (derived)
    arkm3Onder65 = 3819,     -- full credit, as for residents (derived)
    arkm3Boven65 = 1989,     -- full credit, as for residents (derived)
    arka1Onder65 = 0.06,     -- full credit, as for residents (derived)
    arka1Boven65 = 0.03124,  -- full credit, as for residents (derived)
    arkg4Onder65 = 98604,    -- threshold as for residents (derived)
    arkg4Boven65 = 98604,    -- threshold as for residents (derived)
    ahk1OnderAOW = 2007,     -- premium part 27.65/37.35 of 2711 (derived)
    ahk1BovenAOW = 708,      -- premium part 9.75/19.45 of 1413 (derived)
    ahk2OnderAOW = 0.04199,  -- premium part 27.65/37.35 of 0.05672 (derived)
    ahk2BovenAOW = 0.01481,  -- premium part 9.75/19.45 of 0.02954 (derived)
    ouk1OnderAOW = 0,        -- no elderly credit below AOW age
    ouk1BovenAOW = 813,      -- premium part 9.75/19.45 of 1622 (derived)
    ouk2OnderAOW = 0,        -- no elderly credit below AOW age
    ouk2BovenAOW = 37372,    -- threshold as for residents (derived)
    ouk3OnderAOW = 0,        -- no elderly credit below AOW age
    ouk3BovenAOW = 0.07519,  -- premium part 9.75/19.45 of 0.15 (derived)
    aok1OnderAOW = 0,        -- no single elderly credit below AOW age
    aok1BovenAOW = 219       -- premium part 9.75/19.45 of 436 (derived)
WHERE Ingangsdatum = '2020-01-01 00:00:00' AND InwonergroepLBTabel = 1;

-- Group 2: Een derde land.
UPDATE SociaalFiscaal SET
    arko1Onder65 = 0.02082,  -- premium part 27.65/37.35 of 0.02812 (derived)
    arko1Boven65 = 0.00734,  -- premium part 9.75/19.45 of 0.01464 (derived)
    arko2Onder65 = 0.21329,  -- premium part 27.65/37.35 of 0.28812 (derived)
    arko2Boven65 = 0.07521,  -- premium part 9.75/19.45 of 0.15004 (derived)
    arko3Onder65 = 0.01226,  -- premium part 27.65/37.35 of 0.01656 (derived)
    arko3Boven65 = 0.00432,  -- premium part 9.75/19.45 of 0.00862 (derived)
    arkg1Onder65 = 9921,     -- threshold as for residents (derived)
    arkg1Boven65 = 9921,     -- threshold as for residents (derived)
    arkg2Onder65 = 21430,    -- threshold as for residents (derived)
    arkg2Boven65 = 21430,    -- threshold as for residents (derived)
    arkg3Onder65 = 34954,    -- threshold as for residents (derived)
    arkg3Boven65 = 34954,    -- threshold as for residents (derived)
    arkm1Onder65 = 207,      -- premium part 27.65/37.35 of 279 (derived)
    arkm1Boven65 = 73,       -- premium part 9.75/19.45 of 146 (derived)
    arkm2Onder65 = 2661,     -- premium part 27.65/37.35 of 3595 (derived)
    arkm2Boven65 = 939,      -- premium part 9.75/19.45 of 1873 (derived)
    arkm3Onder65 = 2827,     -- premium part 27.65/37.35 of 3819 (derived)
    arkm3Boven65 = 997,      -- premium part 9.75/19.45 of 1989 (derived)
    arka1Onder65 = 0.04442,  -- premium part 27.65/37.35 of 0.06 (derived)
    arka1Boven65 = 0.01566,  -- premium part 9.75/19.45 of 0.03124 (derived)
    arkg4Onder65 = 98604,    -- threshold as for residents (derived)
    arkg4Boven65 = 98604,    -- threshold as for residents (derived)
    ahk1OnderAOW = 2007,     -- premium part 27.65/37.35 of 2711 (derived)
    ahk1BovenAOW = 708,      -- premium part 9.75/19.45 of 1413 (derived)
    ahk2OnderAOW = 0.04199,  -- premium part 27.65/37.35 of 0.05672 (derived)
    ahk2BovenAOW = 0.01481,  -- premium part 9.75/19.45 of 0.02954 (derived)
    ouk1OnderAOW = 0,        -- no elderly credit below AOW age
    ouk1BovenAOW = 813,      -- premium part 9.75/19.45 of 1622 (derived)
    ouk2OnderAOW = 0,        -- no elderly credit below AOW age
    ouk2BovenAOW = 37372,    -- threshold as for residents (derived)
    ouk3OnderAOW = 0,        -- no elderly credit below AOW age
    ouk3BovenAOW = 0.07519,  -- premium part 9.75/19.45 of 0.15 (derived)
    aok1OnderAOW = 0,        -- no single elderly credit below AOW age
    aok1BovenAOW = 219       -- premium part 9.75/19.45 of 436 (derived)
WHERE Ingangsdatum = '2020-01-01 00:00:00' AND InwonergroepLBTabel = 2;

-- Group 3: België.
UPDATE SociaalFiscaal SET
    arko1Onder65 = 0.02812,  -- full credit, as for residents (derived)
    arko1Boven65 = 0.01464,  -- full credit, as for residents (derived)
    arko2Onder65 = 0.28812,  -- full credit, as for residents (derived)
    arko2Boven65 = 0.15004,  -- full credit, as for residents (derived)
    arko3Onder65 = 0.01656,  -- full credit, as for residents (derived)
    arko3Boven65 = 0.00862,  -- full credit, as for residents (derived)
    arkg1Onder65 = 9921,     -- threshold as for residents (derived)
    arkg1Boven65 = 9921,     -- threshold as for residents (derived)
    arkg2Onder65 = 21430,    -- threshold as for residents (derived)
    arkg2Boven65 = 21430,    -- threshold as for residents (derived)
    arkg3Onder65 = 34954,    -- threshold as for residents (derived)
    arkg3Boven65 = 34954,    -- threshold as for residents (derived)
    arkm1Onder65 = 279,      -- full credit, as for residents (derived)
    arkm1Boven65 = 146,      -- full credit, as for residents (derived)
    arkm2Onder65 = 3595,     -- full credit, as for residents (derived)
    arkm2Boven65 = 1873,     -- full credit, as for residents (derived)
    arkm3Onder65 = 3819,     -- full credit, as for residents (derived)
    arkm3Boven65 = 1989,     -- full credit, as for residents (derived)
    arka1Onder65 = 0.06,     -- full credit, as for residents (derived)
    arka1Boven65 = 0.03124,  -- full credit, as for residents (derived)
    arkg4Onder65 = 98604,    -- threshold as for residents (derived)
    arkg4Boven65 = 98604,    -- threshold as for residents (derived)
    ahk1OnderAOW = 2711,     -- full credit, as for residents (derived)
    ahk1BovenAOW = 1413,     -- full credit, as for residents (derived)
    ahk2OnderAOW = 0.05672,  -- full credit, as for residents (derived)
    ahk2BovenAOW = 0.02954,  -- full credit, as for residents (derived)
    ouk1OnderAOW = 0,        -- no elderly credit below AOW age
    ouk1BovenAOW = 813,      -- premium part 9.75/19.45 of 1622 (derived)
    ouk2OnderAOW = 0,        -- no elderly credit below AOW age
    ouk2BovenAOW = 37372,    -- threshold as for residents (derived)
    ouk3OnderAOW = 0,        -- no elderly credit below AOW age
    ouk3BovenAOW = 0.07519,  -- premium part 9.75/19.45 of 0.15 (derived)
    aok1OnderAOW = 0,        -- no single elderly credit below AOW age
    aok1BovenAOW = 219       -- premium part 9.75/19.45 of 436 (derived)
WHERE Ingangsdatum = '2020-01-01 00:00:00' AND InwonergroepLBTabel = 3;

-- Group 4: Suriname/Aruba.
UPDATE SociaalFiscaal SET
    arko1Onder65 = 0.02082,  -- premium part 27.65/37.35 of 0.02812 (derived)
    arko1Boven65 = 0.00734,  -- premium part 9.75/19.45 of 0.01464 (derived)
    arko2Onder65 = 0.21329,  -- premium part 27.65/37.35 of 0.28812 (derived)
    arko2Boven65 = 0.07521,  -- premium part 9.75/19.45 of 0.15004 (derived)
    arko3Onder65 = 0.01226,  -- premium part 27.65/37.35 of 0.01656 (derived)
    arko3Boven65 = 0.00432,  -- premium part 9.75/19.45 of 0.00862 (derived)
    arkg1Onder65 = 9921,     -- threshold as for residents (derived)
    arkg1Boven65 = 9921,     -- threshold as for residents (derived)
    arkg2Onder65 = 21430,    -- threshold as for residents (derived)
    arkg2Boven65 = 21430,    -- threshold as for residents (derived)
    arkg3Onder65 = 34954,    -- threshold as for residents (derived)
    arkg3Boven65 = 34954,    -- threshold as for residents (derived)
    arkm1Onder65 = 207,      -- premium part 27.65/37.35 of 279 (derived)
    arkm1Boven65 = 73,       -- premium part 9.75/19.45 of 146 (derived)
    arkm2Onder65 = 2661,     -- premium part 27.65/37.35 of 3595 (derived)
    arkm2Boven65 = 939,      -- premium part 9.75/19.45 of 1873 (derived)
    arkm3Onder65 = 2827,     -- premium part 27.65/37.35 of 3819 (derived)
    arkm3Boven65 = 997,      -- premium part 9.75/19.45 of 1989 (derived)
    arka1Onder65 = 0.04442,  -- premium part 27.65/37.35 of 0.06 (derived)
    arka1Boven65 = 0.01566,  -- premium part 9.75/19.45 of 0.03124 (derived)
    arkg4Onder65 = 98604,    -- threshold as for residents (derived)
    arkg4Boven65 = 98604,    -- threshold as for residents (derived)
    ahk1OnderAOW = 2711,     -- full credit, as for residents (derived)
    ahk1BovenAOW = 1413,     -- full credit, as for residents (derived)
    ahk2OnderAOW = 0.05672,  -- full credit, as for residents (derived)
    ahk2BovenAOW = 0.02954,  -- full credit, as for residents (derived)
    ouk1OnderAOW = 0,        -- no elderly credit below AOW age
    ouk1BovenAOW = 813,      -- premium part 9.75/19.45 of 1622 (derived)
    ouk2OnderAOW = 0,        -- no elderly credit below AOW age
    ouk2BovenAOW = 37372,    -- threshold as for residents (derived)
    ouk3OnderAOW = 0,        -- no elderly credit below AOW age
    ouk3BovenAOW = 0.07519,  -- premium part 9.75/19.45 of 0.15 (derived)
    aok1OnderAOW = 0,        -- no single elderly credit below AOW age
    aok1BovenAOW = 219       -- premium part 9.75/19.45 of 436 (derived)
WHERE Ingangsdatum = '2020-01-01 00:00:00' AND InwonergroepLBTabel = 4;

-- 1 April and 1 July 2020: no change; the January rows are copied with the later dates.
CREATE TEMP TABLE Kopie AS SELECT * FROM SociaalFiscaal WHERE Ingangsdatum = '2020-01-01 00:00:00';
UPDATE Kopie SET Ingangsdatum = '2020-04-01 00:00:00';
INSERT INTO SociaalFiscaal SELECT * FROM Kopie;
UPDATE Kopie SET Ingangsdatum = '2020-07-01 00:00:00';
INSERT INTO SociaalFiscaal SELECT * FROM Kopie;
DROP TABLE Kopie;

----------------------------------------------------------------------------------------------------
-- Minleef: statutory minimum wage by age, per month (MinloonM), per week (MinloonW) and per hour
-- for a 38-hour week (MinloonU). Seven rows per date, ages 15 to 21 in ascending order: the program
-- reads them in stored order.
----------------------------------------------------------------------------------------------------

CREATE TABLE Minleef (
    Ingangsdatum DATETIME NOT NULL,
    Leeftijd INTEGER NOT NULL,
    MinloonM DOUBLE,
    MinloonW DOUBLE,
    MinloonU DOUBLE,
    PRIMARY KEY (Ingangsdatum, Leeftijd)
);

-- 1 January 2020: Staatscourant 2019 nr. 56680 (official).
INSERT INTO Minleef (Ingangsdatum, Leeftijd, MinloonM, MinloonW, MinloonU) VALUES
    ('2020-01-01 00:00:00', 15, 496.10,  114.50, 3.02),
    ('2020-01-01 00:00:00', 16, 570.50,  131.65, 3.47),
    ('2020-01-01 00:00:00', 17, 653.15,  150.75, 3.97),
    ('2020-01-01 00:00:00', 18, 826.80,  190.80, 5.03),
    ('2020-01-01 00:00:00', 19, 992.15,  228.95, 6.03),
    ('2020-01-01 00:00:00', 20, 1322.90, 305.30, 8.04),
    ('2020-01-01 00:00:00', 21, 1653.60, 381.60, 10.05);

-- 1 April 2020: unchanged.
INSERT INTO Minleef (Ingangsdatum, Leeftijd, MinloonM, MinloonW, MinloonU)
SELECT '2020-04-01 00:00:00', Leeftijd, MinloonM, MinloonW, MinloonU
FROM Minleef WHERE Ingangsdatum = '2020-01-01 00:00:00' ORDER BY Leeftijd;

-- 1 July 2020: Staatscourant 2020 nr. 22092 (official).
INSERT INTO Minleef (Ingangsdatum, Leeftijd, MinloonM, MinloonW, MinloonU) VALUES
    ('2020-07-01 00:00:00', 15, 504.00,  116.30, 3.07),
    ('2020-07-01 00:00:00', 16, 579.60,  133.75, 3.52),
    ('2020-07-01 00:00:00', 17, 663.60,  153.15, 4.04),
    ('2020-07-01 00:00:00', 18, 840.00,  193.85, 5.11),
    ('2020-07-01 00:00:00', 19, 1008.00, 232.60, 6.13),
    ('2020-07-01 00:00:00', 20, 1344.00, 310.15, 8.17),
    ('2020-07-01 00:00:00', 21, 1680.00, 387.70, 10.21);

----------------------------------------------------------------------------------------------------
-- TabelBijzondereBeloningen: percentages for special rewards by previous-year annual wage (Jaarloon, the
-- lowest annual wage of the row), per residence group, white (WitteTabel 1) and green (WitteTabel 0) table.
-- The official 2020 table was not available, so all rows are derived from the bracket and credit figures
-- above: each row starts where a bracket or a credit changes (or where the credits stop outweighing the
-- tax). ZonderKorting is the bracket rate there, MetKorting is the same rate once the tax exceeds the
-- credits (0 before), and Verrekening is the change of the credits per euro of extra wage, in percent
-- (negative while a credit builds up, positive while it phases out). The green part has 9 rows for 10
-- places: the program fills the places left over with the last row of a part.
----------------------------------------------------------------------------------------------------

CREATE TABLE TabelBijzondereBeloningen (
    Ingangsdatum DATETIME NOT NULL,
    WitteTabel BOOLEAN NOT NULL,
    InwonergroepLBTabel INTEGER NOT NULL,
    Herleiding INTEGER NOT NULL DEFAULT 0,
    Jaarloon DOUBLE NOT NULL,
    Onder65ZonderKorting DOUBLE,
    Onder65MetKorting DOUBLE,
    Onder65Verrekening DOUBLE,
    Boven65Geboren1946EnLaterZonderKorting DOUBLE,
    Boven65Geboren1946EnLaterMetKorting DOUBLE,
    Boven65Geboren1946EnLaterVerrekening DOUBLE,
    Boven65ZonderKorting DOUBLE,
    Boven65MetKorting DOUBLE,
    Boven65Verrekening DOUBLE,
    PRIMARY KEY (Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon)
);

-- 1 January 2020. Values per row: Jaarloon, then zonder/met korting and verrekening for below AOW
-- age, for AOW age born in 1946 or later, and for AOW age born before 1946. All derived.

-- Group 0 (Inwoners van Nederland), white table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 1, 0, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 0, 0, 7850,  37.35,  37.35,  -2.81,  19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 0, 0, 9922,  37.35,  37.35,  -28.81, 19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 0, 0, 20712, 37.35,  37.35,  -23.14, 19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 0, 0, 21431, 37.35,  37.35,  4.02,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 0, 0, 24766, 37.35,  37.35,  4.02,   19.45,  19.45,  2.09,   19.45,  19.45,  2.09),
    ('2020-01-01 00:00:00', 1, 0, 0, 34713, 37.35,  37.35,  4.02,   37.35,  37.35,  2.09,   19.45,  19.45,  2.09),
    ('2020-01-01 00:00:00', 1, 0, 0, 34955, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   19.45,  19.45,  6.08),
    ('2020-01-01 00:00:00', 1, 0, 0, 35376, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   37.35,  37.35,  6.08),
    ('2020-01-01 00:00:00', 1, 0, 0, 37373, 37.35,  37.35,  11.67,  37.35,  37.35,  21.08,  37.35,  37.35,  21.08),
    ('2020-01-01 00:00:00', 1, 0, 0, 48186, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   37.35,  37.35,  6.08),
    ('2020-01-01 00:00:00', 1, 0, 0, 68508, 49.50,  49.50,  6.00,   49.50,  49.50,  3.12,   49.50,  49.50,  3.12),
    ('2020-01-01 00:00:00', 1, 0, 0, 98605, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 0 (Inwoners van Nederland), green table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 0, 0, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 0, 0, 7259,  37.35,  37.35,  0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 0, 0, 15605, 37.35,  37.35,  0.00,   19.45,  19.45,  0.00,   19.45,  19.45,  0.00),
    ('2020-01-01 00:00:00', 0, 0, 0, 20712, 37.35,  37.35,  5.67,   19.45,  19.45,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 0, 0, 34713, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 0, 0, 35376, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 0, 0, 37373, 37.35,  37.35,  5.67,   37.35,  37.35,  17.95,  37.35,  37.35,  17.95),
    ('2020-01-01 00:00:00', 0, 0, 0, 48186, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 0, 0, 68508, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 1 (EU, EER, Zwitserland of BES), white table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 1, 1, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 1, 0, 5811,  37.35,  37.35,  -2.81,  19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 1, 0, 8457,  37.35,  37.35,  -2.81,  19.45,  19.45,  -1.46,  19.45,  19.45,  -1.46),
    ('2020-01-01 00:00:00', 1, 1, 0, 9922,  37.35,  37.35,  -28.81, 19.45,  19.45,  -15.00, 19.45,  19.45,  -15.00),
    ('2020-01-01 00:00:00', 1, 1, 0, 20712, 37.35,  37.35,  -24.61, 19.45,  19.45,  -13.52, 19.45,  19.45,  -13.52),
    ('2020-01-01 00:00:00', 1, 1, 0, 21431, 37.35,  37.35,  2.54,   19.45,  19.45,  0.62,   19.45,  19.45,  0.62),
    ('2020-01-01 00:00:00', 1, 1, 0, 34713, 37.35,  37.35,  2.54,   37.35,  37.35,  0.62,   19.45,  19.45,  0.62),
    ('2020-01-01 00:00:00', 1, 1, 0, 34955, 37.35,  37.35,  10.20,  37.35,  37.35,  4.60,   19.45,  19.45,  4.60),
    ('2020-01-01 00:00:00', 1, 1, 0, 35376, 37.35,  37.35,  10.20,  37.35,  37.35,  4.61,   37.35,  37.35,  4.61),
    ('2020-01-01 00:00:00', 1, 1, 0, 37373, 37.35,  37.35,  10.20,  37.35,  37.35,  12.12,  37.35,  37.35,  12.12),
    ('2020-01-01 00:00:00', 1, 1, 0, 48186, 37.35,  37.35,  10.20,  37.35,  37.35,  4.61,   37.35,  37.35,  4.61),
    ('2020-01-01 00:00:00', 1, 1, 0, 68508, 49.50,  49.50,  6.00,   49.50,  49.50,  3.12,   49.50,  49.50,  3.12),
    ('2020-01-01 00:00:00', 1, 1, 0, 98605, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 1 (EU, EER, Zwitserland of BES), green table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 0, 1, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 1, 0, 5374,  37.35,  37.35,  0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 1, 0, 7821,  37.35,  37.35,  0.00,   19.45,  19.45,  0.00,   19.45,  19.45,  0.00),
    ('2020-01-01 00:00:00', 0, 1, 0, 20712, 37.35,  37.35,  4.20,   19.45,  19.45,  1.48,   19.45,  19.45,  1.48),
    ('2020-01-01 00:00:00', 0, 1, 0, 34713, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   19.45,  19.45,  1.48),
    ('2020-01-01 00:00:00', 0, 1, 0, 35376, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   37.35,  37.35,  1.48),
    ('2020-01-01 00:00:00', 0, 1, 0, 37373, 37.35,  37.35,  4.20,   37.35,  37.35,  9.00,   37.35,  37.35,  9.00),
    ('2020-01-01 00:00:00', 0, 1, 0, 48186, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   37.35,  37.35,  1.48),
    ('2020-01-01 00:00:00', 0, 1, 0, 68508, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 2 (Een derde land), white table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 1, 2, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 2, 0, 5691,  37.35,  37.35,  -2.08,  19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 2, 0, 8127,  37.35,  37.35,  -2.08,  19.45,  19.45,  -0.73,  19.45,  19.45,  -0.73),
    ('2020-01-01 00:00:00', 1, 2, 0, 9922,  37.35,  37.35,  -21.33, 19.45,  19.45,  -7.52,  19.45,  19.45,  -7.52),
    ('2020-01-01 00:00:00', 1, 2, 0, 20712, 37.35,  37.35,  -17.13, 19.45,  19.45,  -6.04,  19.45,  19.45,  -6.04),
    ('2020-01-01 00:00:00', 1, 2, 0, 21431, 37.35,  37.35,  2.97,   19.45,  19.45,  1.05,   19.45,  19.45,  1.05),
    ('2020-01-01 00:00:00', 1, 2, 0, 34713, 37.35,  37.35,  2.97,   37.35,  37.35,  1.05,   19.45,  19.45,  1.05),
    ('2020-01-01 00:00:00', 1, 2, 0, 34955, 37.35,  37.35,  8.64,   37.35,  37.35,  3.05,   19.45,  19.45,  3.05),
    ('2020-01-01 00:00:00', 1, 2, 0, 35376, 37.35,  37.35,  8.64,   37.35,  37.35,  3.05,   37.35,  37.35,  3.05),
    ('2020-01-01 00:00:00', 1, 2, 0, 37373, 37.35,  37.35,  8.64,   37.35,  37.35,  10.57,  37.35,  37.35,  10.57),
    ('2020-01-01 00:00:00', 1, 2, 0, 48186, 37.35,  37.35,  8.64,   37.35,  37.35,  3.05,   37.35,  37.35,  3.05),
    ('2020-01-01 00:00:00', 1, 2, 0, 68508, 49.50,  49.50,  4.44,   49.50,  49.50,  1.57,   49.50,  49.50,  1.57),
    ('2020-01-01 00:00:00', 1, 2, 0, 98605, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 2 (Een derde land), green table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 0, 2, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 2, 0, 5374,  37.35,  37.35,  0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 2, 0, 7821,  37.35,  37.35,  0.00,   19.45,  19.45,  0.00,   19.45,  19.45,  0.00),
    ('2020-01-01 00:00:00', 0, 2, 0, 20712, 37.35,  37.35,  4.20,   19.45,  19.45,  1.48,   19.45,  19.45,  1.48),
    ('2020-01-01 00:00:00', 0, 2, 0, 34713, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   19.45,  19.45,  1.48),
    ('2020-01-01 00:00:00', 0, 2, 0, 35376, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   37.35,  37.35,  1.48),
    ('2020-01-01 00:00:00', 0, 2, 0, 37373, 37.35,  37.35,  4.20,   37.35,  37.35,  9.00,   37.35,  37.35,  9.00),
    ('2020-01-01 00:00:00', 0, 2, 0, 48186, 37.35,  37.35,  4.20,   37.35,  37.35,  1.48,   37.35,  37.35,  1.48),
    ('2020-01-01 00:00:00', 0, 2, 0, 68508, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 3 (België), white table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 1, 3, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 3, 0, 7850,  37.35,  37.35,  -2.81,  19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 3, 0, 9922,  37.35,  37.35,  -28.81, 19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 3, 0, 19871, 37.35,  37.35,  -28.81, 19.45,  19.45,  -15.00, 19.45,  19.45,  -15.00),
    ('2020-01-01 00:00:00', 1, 3, 0, 20712, 37.35,  37.35,  -23.14, 19.45,  19.45,  -12.05, 19.45,  19.45,  -12.05),
    ('2020-01-01 00:00:00', 1, 3, 0, 21431, 37.35,  37.35,  4.02,   19.45,  19.45,  2.09,   19.45,  19.45,  2.09),
    ('2020-01-01 00:00:00', 1, 3, 0, 34713, 37.35,  37.35,  4.02,   37.35,  37.35,  2.09,   19.45,  19.45,  2.09),
    ('2020-01-01 00:00:00', 1, 3, 0, 34955, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   19.45,  19.45,  6.08),
    ('2020-01-01 00:00:00', 1, 3, 0, 35376, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   37.35,  37.35,  6.08),
    ('2020-01-01 00:00:00', 1, 3, 0, 37373, 37.35,  37.35,  11.67,  37.35,  37.35,  13.60,  37.35,  37.35,  13.60),
    ('2020-01-01 00:00:00', 1, 3, 0, 48186, 37.35,  37.35,  11.67,  37.35,  37.35,  6.08,   37.35,  37.35,  6.08),
    ('2020-01-01 00:00:00', 1, 3, 0, 68508, 49.50,  49.50,  6.00,   49.50,  49.50,  3.12,   49.50,  49.50,  3.12),
    ('2020-01-01 00:00:00', 1, 3, 0, 98605, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 3 (België), green table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 0, 3, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 3, 0, 7259,  37.35,  37.35,  0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 3, 0, 11445, 37.35,  37.35,  0.00,   19.45,  19.45,  0.00,   19.45,  19.45,  0.00),
    ('2020-01-01 00:00:00', 0, 3, 0, 20712, 37.35,  37.35,  5.67,   19.45,  19.45,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 3, 0, 34713, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 3, 0, 35376, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 3, 0, 37373, 37.35,  37.35,  5.67,   37.35,  37.35,  10.47,  37.35,  37.35,  10.47),
    ('2020-01-01 00:00:00', 0, 3, 0, 48186, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 3, 0, 68508, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 4 (Suriname/Aruba), white table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 1, 4, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 4, 0, 7687,  37.35,  37.35,  -2.08,  19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 4, 0, 9922,  37.35,  37.35,  -21.33, 19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 1, 4, 0, 13018, 37.35,  37.35,  -21.33, 19.45,  19.45,  -7.52,  19.45,  19.45,  -7.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 20712, 37.35,  37.35,  -15.66, 19.45,  19.45,  -4.57,  19.45,  19.45,  -4.57),
    ('2020-01-01 00:00:00', 1, 4, 0, 21431, 37.35,  37.35,  4.45,   19.45,  19.45,  2.52,   19.45,  19.45,  2.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 34713, 37.35,  37.35,  4.45,   37.35,  37.35,  2.52,   19.45,  19.45,  2.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 34955, 37.35,  37.35,  10.11,  37.35,  37.35,  4.52,   19.45,  19.45,  4.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 35376, 37.35,  37.35,  10.11,  37.35,  37.35,  4.52,   37.35,  37.35,  4.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 37373, 37.35,  37.35,  10.11,  37.35,  37.35,  12.04,  37.35,  37.35,  12.04),
    ('2020-01-01 00:00:00', 1, 4, 0, 48186, 37.35,  37.35,  10.11,  37.35,  37.35,  4.52,   37.35,  37.35,  4.52),
    ('2020-01-01 00:00:00', 1, 4, 0, 68508, 49.50,  49.50,  4.44,   49.50,  49.50,  1.57,   49.50,  49.50,  1.57),
    ('2020-01-01 00:00:00', 1, 4, 0, 98605, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- Group 4 (Suriname/Aruba), green table.
INSERT INTO TabelBijzondereBeloningen (
    Ingangsdatum, WitteTabel, InwonergroepLBTabel, Herleiding, Jaarloon, Onder65ZonderKorting,
    Onder65MetKorting, Onder65Verrekening, Boven65Geboren1946EnLaterZonderKorting,
    Boven65Geboren1946EnLaterMetKorting, Boven65Geboren1946EnLaterVerrekening, Boven65ZonderKorting,
    Boven65MetKorting, Boven65Verrekening
) VALUES
    ('2020-01-01 00:00:00', 0, 4, 0, 0,     37.35,  0.00,   0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 4, 0, 7259,  37.35,  37.35,  0.00,   19.45,  0.00,   0.00,   19.45,  0.00,   0.00),
    ('2020-01-01 00:00:00', 0, 4, 0, 11445, 37.35,  37.35,  0.00,   19.45,  19.45,  0.00,   19.45,  19.45,  0.00),
    ('2020-01-01 00:00:00', 0, 4, 0, 20712, 37.35,  37.35,  5.67,   19.45,  19.45,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 4, 0, 34713, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   19.45,  19.45,  2.95),
    ('2020-01-01 00:00:00', 0, 4, 0, 35376, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 4, 0, 37373, 37.35,  37.35,  5.67,   37.35,  37.35,  10.47,  37.35,  37.35,  10.47),
    ('2020-01-01 00:00:00', 0, 4, 0, 48186, 37.35,  37.35,  5.67,   37.35,  37.35,  2.95,   37.35,  37.35,  2.95),
    ('2020-01-01 00:00:00', 0, 4, 0, 68508, 49.50,  49.50,  0.00,   49.50,  49.50,  0.00,   49.50,  49.50,  0.00);

-- 1 April and 1 July 2020: no change; the January rows are copied with the later dates.
CREATE TEMP TABLE Kopie AS SELECT * FROM TabelBijzondereBeloningen WHERE Ingangsdatum = '2020-01-01 00:00:00';
UPDATE Kopie SET Ingangsdatum = '2020-04-01 00:00:00';
INSERT INTO TabelBijzondereBeloningen SELECT * FROM Kopie;
UPDATE Kopie SET Ingangsdatum = '2020-07-01 00:00:00';
INSERT INTO TabelBijzondereBeloningen SELECT * FROM Kopie;
DROP TABLE Kopie;

----------------------------------------------------------------------------------------------------
-- LoontijdvakBedragen: maximum premium wage per pay period and per year, for the employee insurances
-- (WW, WAO/WIA) and for the Zvw contribution.
----------------------------------------------------------------------------------------------------

CREATE TABLE LoontijdvakBedragen (
    Ingangsdatum DATETIME PRIMARY KEY,
    KwartaalMaxWWWAO DOUBLE,
    MaandMaxWWWAO DOUBLE,
    "4WekenMaxWWWAO" DOUBLE,
    WeekMaxWWWAO DOUBLE,
    DagMaxWWWAO DOUBLE,
    KwartaalMaxZvw DOUBLE,
    MaandMaxZvw DOUBLE,
    "4WekenMaxZvw" DOUBLE,
    WeekMaxZvw DOUBLE,
    DagMaxZvw DOUBLE,
    JaarMaxWWWAO DOUBLE,
    JaarMaxZvw DOUBLE
);

-- 1 January 2020.
INSERT INTO LoontijdvakBedragen VALUES (
    '2020-01-01 00:00:00', -- Ingangsdatum
    14308.00,  -- KwartaalMaxWWWAO: year / 4 (derived)
    4769.33,   -- MaandMaxWWWAO: year / 12, to cents (derived)
    4402.46,   -- 4WekenMaxWWWAO: year / 13, to cents (derived)
    1100.62,   -- WeekMaxWWWAO: year / 52, to cents (derived)
    219.28,    -- DagMaxWWWAO: maximum day wage 2020 (official)
    14308.00,  -- KwartaalMaxZvw: year / 4 (derived)
    4769.33,   -- MaandMaxZvw: year / 12, to cents (derived)
    4402.46,   -- 4WekenMaxZvw: year / 13, to cents (derived)
    1100.62,   -- WeekMaxZvw: year / 52, to cents (derived)
    219.28,    -- DagMaxZvw: maximum day wage 2020 (official)
    57232,     -- JaarMaxWWWAO: maximum premium wage 2020 (official)
    57232      -- JaarMaxZvw: maximum Zvw contribution wage 2020 (official)
);

-- 1 April and 1 July 2020: no change; the January rows are copied with the later dates.
CREATE TEMP TABLE Kopie AS SELECT * FROM LoontijdvakBedragen WHERE Ingangsdatum = '2020-01-01 00:00:00';
UPDATE Kopie SET Ingangsdatum = '2020-04-01 00:00:00';
INSERT INTO LoontijdvakBedragen SELECT * FROM Kopie;
UPDATE Kopie SET Ingangsdatum = '2020-07-01 00:00:00';
INSERT INTO LoontijdvakBedragen SELECT * FROM Kopie;
DROP TABLE Kopie;

----------------------------------------------------------------------------------------------------
-- Percentages: Zvw percentages, used when the employer record gives none.
----------------------------------------------------------------------------------------------------

CREATE TABLE Percentages (
    Ingangsdatum DATETIME PRIMARY KEY,
    PremieZfwWG DOUBLE,
    PremieZfwWN DOUBLE
);

-- 1 January 2020.
INSERT INTO Percentages VALUES (
    '2020-01-01 00:00:00', -- Ingangsdatum
    6.70,      -- PremieZfwWG: Zvw employer levy 2020 (official)
    5.45       -- PremieZfwWN: Zvw contribution withheld from the employee, 2020 (official)
);

-- 1 April and 1 July 2020: no change; the January rows are copied with the later dates.
CREATE TEMP TABLE Kopie AS SELECT * FROM Percentages WHERE Ingangsdatum = '2020-01-01 00:00:00';
UPDATE Kopie SET Ingangsdatum = '2020-04-01 00:00:00';
INSERT INTO Percentages SELECT * FROM Kopie;
UPDATE Kopie SET Ingangsdatum = '2020-07-01 00:00:00';
INSERT INTO Percentages SELECT * FROM Kopie;
DROP TABLE Kopie;
