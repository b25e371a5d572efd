-- Employee database of Vkt2020 (Vkt2020.db): the user's saved calculations.
--
-- Per saved calculation it holds the employee record, the calculation settings, the levy data,
-- the column lines, the deviating-basis formulas and the attached social funds. Besides these it
-- holds the employer and the employer's wage components from which every new calculation takes
-- its lines, the catalogue of social funds, the database version and a few named settings.
--
-- The program never creates or alters these tables; it expects them to exist exactly as declared
-- here. The database file is built from this text at build time by the project's database-building
-- program (src/tools), which runs the whole file in one transaction.
--
-- Conventions:
--   integer   -> INTEGER
--   double    -> DOUBLE     (amounts and percentages; percentages as percentages, 8 means 8 %)
--   boolean   -> BOOLEAN    (stored 0/1)
--   date-time -> DATETIME   (ISO text 'YYYY-MM-DD HH:MM:SS'; the current version of a record has
--                            Ingangsdatum and Hersteldatum '9999-12-31 00:00:00')
--   text      -> VARCHAR(n) (formulas 255, descriptions 64)
-- Table and column names are matched without regard to letter case, so statements that spell
-- them differently (HEFFINGSREGELS, VerzekerdZfW, AWfPremieType) address the same columns.
-- Only key columns refuse NULL: the data-entry groups write an empty field as NULL.
-- Date-time columns carry no default (every writer sets them explicitly).


-- Database version; the program accepts only 202001.
CREATE TABLE Versie (
    Versie                          INTEGER NOT NULL
);

-- Named settings; names are stored in lower case (for example 'selsyscolor').
CREATE TABLE dbparams (
    param_cd                        VARCHAR(64) NOT NULL,
    param_value                     VARCHAR(255),
    PRIMARY KEY (param_cd)
);

-- The employer. The first row is the one the program uses; there is no screen to edit it.
-- A Zvw percentage of 0 means the percentage of the constants database applies.
CREATE TABLE Werkgever (
    Werkgeversnummer                INTEGER NOT NULL,
    PercentageVakantiegeld          DOUBLE DEFAULT 0,
    PremieZfwWG                     DOUBLE DEFAULT 0,
    PremieZfwWN                     DOUBLE DEFAULT 0,
    PremieWAOVast                   DOUBLE DEFAULT 0,
    PremieWhk                       DOUBLE DEFAULT 0,
    PremieAwfLaag                   DOUBLE DEFAULT 0,
    PremieAwfHoog                   DOUBLE DEFAULT 0,
    PensioenpremieWN                DOUBLE DEFAULT 0,
    PensioenpremieWG                DOUBLE DEFAULT 0,
    VUTFPUPremieWN                  DOUBLE DEFAULT 0,
    VUTFPUPremieWG                  DOUBLE DEFAULT 0,
    IPPremieWN                      DOUBLE DEFAULT 0,
    IPPremieWG                      DOUBLE DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer)
);

-- The employer's wage components: the definitions from which column lines are made. The system
-- components (SystemLC true) are the default lines of every new calculation, in the order of
-- KolomnummerLC, LooncomponentnummerLC. RegeltypeLC is the line type code. GrondslagKolom is the
-- basis column of a B/P/D component (0: the default basis of the line type).
CREATE TABLE Looncomponenten (
    Werkgeversnummer                INTEGER NOT NULL,
    KolomnummerLC                   INTEGER NOT NULL,
    LooncomponentnummerLC           INTEGER NOT NULL,
    OmschrijvingLC                  VARCHAR(64),
    RegeltypeLC                     INTEGER DEFAULT 0,
    SystemLC                        BOOLEAN DEFAULT 0,
    DebetLC                         BOOLEAN DEFAULT 0,
    RekeningnummerLC                INTEGER DEFAULT 0,
    TegenrekeningLC                 INTEGER DEFAULT 0,
    GrondslagKolom                  INTEGER DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, KolomnummerLC, LooncomponentnummerLC)
);

-- One row per saved calculation (the employee). Werknemersnummer identifies the calculation.
CREATE TABLE Werknemersgegevens (
    Werkgeversnummer                INTEGER NOT NULL,
    Werknemersnummer                INTEGER NOT NULL,
    Ingangsdatum                    DATETIME NOT NULL,
    Hersteldatum                    DATETIME NOT NULL,
    Naam                            VARCHAR(50),
    Sofinummer                      VARCHAR(9),
    WerknemerSoort                  INTEGER DEFAULT 0,
    Geboortedatum                   DATETIME,
    CodeLoonheffingskorting         BOOLEAN DEFAULT 0,
    Loontijdvak                     INTEGER DEFAULT 2,   -- Maand
    Tabelkleur                      INTEGER DEFAULT 0,
    LoonbelastingtabelVoorInwoner   INTEGER DEFAULT 0,
    Vastloon                        DOUBLE DEFAULT 0,
    Deeltijdpercentage              DOUBLE DEFAULT 100,
    VerzekerdWW                     BOOLEAN DEFAULT 0,
    VerzekerdWAO                    BOOLEAN DEFAULT 0,
    VerzekerdZfw                    BOOLEAN DEFAULT 0,
    JaarloonVorigJaar               DOUBLE DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum)
);

-- The calculation settings of a saved calculation, one row per employee.
-- VerminderingLBPH is read along with the others but neither shown nor written.
CREATE TABLE BerekeningsgegevensVKT (
    Werkgeversnummer                INTEGER NOT NULL,
    Werknemersnummer                INTEGER NOT NULL,
    BerekeningsDatum                DATETIME,
    VerminderingLBPH                DOUBLE DEFAULT 0,
    PercentageVakantiegeld          DOUBLE DEFAULT 0,
    ActiefWAO                       BOOLEAN DEFAULT 0,
    ActiefWW                        BOOLEAN DEFAULT 0,
    ActiefWhk                       BOOLEAN DEFAULT 0,
    ActiefZvw                       BOOLEAN DEFAULT 0,
    ActiefVUTFPU                    BOOLEAN DEFAULT 0,
    ActiefIP                        BOOLEAN DEFAULT 0,
    ActiefPensioen                  BOOLEAN DEFAULT 0,
    ActiefLevensloop                BOOLEAN DEFAULT 0,
    WGLastenTonen                   BOOLEAN DEFAULT 0,
    InclusiefVakantie               BOOLEAN DEFAULT 0,
    SoortLoonbedrag                 INTEGER DEFAULT 0,
    PercentageLoonheffing           DOUBLE DEFAULT 0,
    ArtiestAftrekBedrag             DOUBLE DEFAULT 0,
    ArtiestAftrekBPType             INTEGER DEFAULT 0,
    ArtiestLoonheffing              DOUBLE DEFAULT 0,
    IPzonderDeeltijd                BOOLEAN DEFAULT 0,
    SFDeeltijd                      BOOLEAN DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Werknemersnummer)
);

-- The levy data of a saved calculation (Heffingstype 0). SVDagen, PercentageLBPH and
-- AfwijkendPercentageLBPH are never written by the program; new rows get the defaults.
CREATE TABLE Heffingsgegevens (
    Werkgeversnummer                INTEGER NOT NULL,
    Werknemersnummer                INTEGER NOT NULL,
    Heffingstype                    INTEGER NOT NULL DEFAULT 0,
    Ingangsdatum                    DATETIME NOT NULL,
    Hersteldatum                    DATETIME NOT NULL,
    DagTabelDagen                   DOUBLE DEFAULT 0,
    AwfPremieType                   VARCHAR(6) DEFAULT 'L', -- as wide as the key list that edits it
    DagTabelToepassen               BOOLEAN DEFAULT 0,
    SVDagen                         DOUBLE DEFAULT 0,
    PercentageLBPH                  DOUBLE DEFAULT 0,
    AfwijkendPercentageLBPH         BOOLEAN DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, Hersteldatum)
);

-- The deviating-basis formulas of a saved calculation, at most one row per calculation.
-- Each formula is used only while its Ingeschakeld... switch is on.
CREATE TABLE GrondslagWN (
    Werkgeversnummer                INTEGER NOT NULL,
    Werknemersnummer                INTEGER NOT NULL,
    Ingangsdatum                    DATETIME NOT NULL,
    Hersteldatum                    DATETIME NOT NULL,
    FormulePensioen                 VARCHAR(255),
    FormuleVUTFPU                   VARCHAR(255),
    FormuleBelVrijVergoeding        VARCHAR(255),
    FormuleBelVrijInhouding         VARCHAR(255),
    FormuleWW                       VARCHAR(255),
    FormuleWAO                      VARCHAR(255),
    FormuleZfw                      VARCHAR(255),
    FormuleIP                       VARCHAR(255),
    FormuleWhk                      VARCHAR(255),
    IngeschakeldPensioen            BOOLEAN DEFAULT 0,
    IngeschakeldVUTFPU              BOOLEAN DEFAULT 0,
    IngeschakeldBelVrijVergoeding   BOOLEAN DEFAULT 0,
    IngeschakeldBelVrijInhouding    BOOLEAN DEFAULT 0,
    IngeschakeldWW                  BOOLEAN DEFAULT 0,
    IngeschakeldWAO                 BOOLEAN DEFAULT 0,
    IngeschakeldZfw                 BOOLEAN DEFAULT 0,
    IngeschakeldIP                  BOOLEAN DEFAULT 0,
    IngeschakeldWhk                 BOOLEAN DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum)
);

-- The column lines of a saved calculation. Kolomnummer and Looncomponentnummer match the wage
-- component (KolomnummerLC, LooncomponentnummerLC) the line was made from. Uren is always 0.
-- KolomType is 0 when the line takes a deviating basis, else 1.
CREATE TABLE Heffingsregels (
    Werkgeversnummer                INTEGER NOT NULL,
    Werknemersnummer                INTEGER NOT NULL,
    Heffingstype                    INTEGER NOT NULL DEFAULT 0,
    Ingangsdatum                    DATETIME NOT NULL,
    Hersteldatum                    DATETIME NOT NULL,
    Kolomnummer                     INTEGER NOT NULL,
    Looncomponentnummer             INTEGER NOT NULL,
    Regeltype                       INTEGER DEFAULT 0,
    Fondsnummer                     INTEGER DEFAULT 0,
    TbvVakantieGeld                 BOOLEAN DEFAULT 0,
    TbvSocialeFondsen               BOOLEAN DEFAULT 0,
    Bedrag                          DOUBLE DEFAULT 0,
    Percentage                      DOUBLE DEFAULT 0,
    Uren                            DOUBLE DEFAULT 0,
    BPDType                         INTEGER DEFAULT 0,
    KolomType                       INTEGER DEFAULT 1,
    GrondslagKolom                  INTEGER DEFAULT 0,
    Franchise                       DOUBLE DEFAULT 0,
    JaarGrens                       DOUBLE DEFAULT 0,
    Deelname                        INTEGER DEFAULT 0,
    Vergoeding                      BOOLEAN DEFAULT 0,
    ResultaatBedrag                 DOUBLE DEFAULT 0,
    AfwijkendeGrondslag             VARCHAR(255),
    GrondslagActief                 BOOLEAN DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, Hersteldatum,
                 Kolomnummer, Looncomponentnummer)
);

-- Social funds. Werkgeversnummer is 0 for the catalogue of funds and the employee number for the
-- funds attached to that employee's calculation; a fund keeps its Fondsnummer in both.
-- Ingangsdatum is always '9999-12-31 00:00:00'. BPDType: 0 amount, 1 percentage.
CREATE TABLE SociaalFondsWG (
    Werkgeversnummer                INTEGER NOT NULL,
    Ingangsdatum                    DATETIME,
    Fondsnummer                     INTEGER NOT NULL,
    Omschrijving                    VARCHAR(64),
    FondsActief                     BOOLEAN DEFAULT 0,
    BPDType                         INTEGER DEFAULT 0,
    PremieWG                        DOUBLE DEFAULT 0,
    PremieWN                        DOUBLE DEFAULT 0,
    FranchiseWG                     DOUBLE DEFAULT 0,
    FranchiseWN                     DOUBLE DEFAULT 0,
    BedragWG                        DOUBLE DEFAULT 0,
    BedragWN                        DOUBLE DEFAULT 0,
    JaargrensWG                     DOUBLE DEFAULT 0,
    JaargrensWN                     DOUBLE DEFAULT 0,
    WGBoekenInKolom                 INTEGER DEFAULT 0,
    WNBoekenInKolom                 INTEGER DEFAULT 0,
    KolomTypeWG                     INTEGER DEFAULT 1,
    KolomTypeWN                     INTEGER DEFAULT 1,
    GrondslagnummerWG               INTEGER DEFAULT 0,
    GrondslagnummerWN               INTEGER DEFAULT 0,
    LooncomponentnummerWG           INTEGER DEFAULT 0,
    LooncomponentnummerWN           INTEGER DEFAULT 0,
    AfwijkendeGrondslagWG           VARCHAR(255),
    AfwijkendeGrondslagWN           VARCHAR(255),
    ActiefWG                        BOOLEAN DEFAULT 0,
    ActiefWN                        BOOLEAN DEFAULT 0,
    PRIMARY KEY (Werkgeversnummer, Fondsnummer)
);


-- First rows ---------------------------------------------------------------------------------

INSERT INTO Versie (Versie) VALUES (202001);

-- The employer, with the 2020 employer premiums:
--   PremieAwfLaag    2.94  AWf premium, low rate, 2020 (official)
--   PremieAwfHoog    7.94  AWf premium, high rate, 2020 (official)
--   PremieWAOVast    6.77  Aof basic premium (WAO/WIA basispremie), 2020 (official)
--   PremieWhk        1.28  average differentiated Whk premium, 2020 (official)
--   PercentageVakantiegeld 8  statutory minimum holiday allowance
--   PremieZfwWG, PremieZfwWN 0: the Zvw percentages of the constants database apply
--   pension, early-retirement (VUT/FPU) and IP premiums: none (0) until the user enters them
INSERT INTO Werkgever (
    Werkgeversnummer, PercentageVakantiegeld, PremieZfwWG, PremieZfwWN,
    PremieWAOVast, PremieWhk, PremieAwfLaag, PremieAwfHoog,
    PensioenpremieWN, PensioenpremieWG, VUTFPUPremieWN, VUTFPUPremieWG, IPPremieWN, IPPremieWG
) VALUES (
    1, 8, 0, 0,
    6.77, 1.28, 2.94, 7.94,
    0, 0, 0, 0, 0, 0
);

-- The employer's system wage components: the default lines of every new calculation.
-- The fixed WAO/WIA premium must stay the third line of column 0.
INSERT INTO Looncomponenten
    (Werkgeversnummer, KolomnummerLC, LooncomponentnummerLC, OmschrijvingLC, RegeltypeLC,
     SystemLC, DebetLC, RekeningnummerLC, TegenrekeningLC, GrondslagKolom)
VALUES
    -- column 0: employer charges
    (1,  0, 1, 'AWf laag',                               262145, TRUE, FALSE, 0, 0, 0),
    (1,  0, 2, 'AWf hoog',                               262146, TRUE, FALSE, 0, 0, 0),
    (1,  0, 3, 'Basispremie WAO/WIA',                    524289, TRUE, FALSE, 0, 0, 0),
    (1,  0, 4, 'Whk-premie',                             524291, TRUE, FALSE, 0, 0, 0),
    (1,  0, 5, 'Zvw werkgeversheffing',                   16384, TRUE, FALSE, 0, 0, 0),
    (1,  0, 6, 'Werkgeversinleg levensloopregeling',         12, TRUE, FALSE, 0, 0, 0),
    -- column 3: wage in money
    (1,  3, 1, 'Brutoloon',                                   3, TRUE, FALSE, 0, 0, 0),
    (1,  3, 2, 'Hogere vergoeding Zvw',                      13, TRUE, FALSE, 0, 0, 0),
    (1,  3, 3, 'Opname levensloopregeling',                4098, TRUE, FALSE, 0, 0, 0),
    (1,  3, 4, 'Werknemersinleg levensloopregeling',       4099, TRUE, FALSE, 0, 0, 0),
    -- column 4: wage in kind
    (1,  4, 1, 'Natura',                                      9, TRUE, FALSE, 0, 0, 0),
    (1,  4, 2, 'Bijtelling privé-gebruik auto',              10, TRUE, FALSE, 0, 0, 0),
    (1,  4, 3, 'Eigen bijdrage privé-gebruik auto',          11, TRUE, FALSE, 0, 0, 0),
    (1,  4, 4, 'Bijtelling fiets van de zaak',               50, TRUE, FALSE, 0, 0, 0),
    (1,  4, 5, 'Eigen bijdrage fiets van de zaak',           51, TRUE, FALSE, 0, 0, 0),
    -- column 7: deductible premiums
    (1,  7, 1, 'Pensioenpremie',                            128, TRUE, FALSE, 0, 0, 0),
    (1,  7, 2, 'FPU/Vroegpensioenpremie',                   256, TRUE, FALSE, 0, 0, 0),
    (1,  7, 3, 'IP-premie',                                1025, TRUE, FALSE, 0, 0, 0),
    (1,  7, 4, 'Werkgeversdeel Pensioenpremie',             512, TRUE, FALSE, 0, 0, 0),
    (1,  7, 5, 'Werkgeversdeel FPU/Vroegpensioenpremie',   1024, TRUE, FALSE, 0, 0, 0),
    (1,  7, 6, 'Werkgeversdeel IP-premie',                 1026, TRUE, FALSE, 0, 0, 0),
    -- column 12: wage in money taxed only for wage tax and Zvw
    (1, 12, 1, 'LB/PH/Zvw-loon',                           2051, TRUE, FALSE, 0, 0, 0),
    -- column 16: employee deductions
    (1, 16, 1, 'Zvw werknemersbijdrage',                   8192, TRUE, FALSE, 0, 0, 0),
    -- column 18: tax-free allowance (component 1) and deduction (component 2), Whk charged on
    (1, 18, 1, 'Belastingvrije vergoeding',             1048576, TRUE, FALSE, 0, 0, 0),
    (1, 18, 2, 'Belastingvrije inhouding',              1048576, TRUE, FALSE, 0, 0, 0),
    (1, 18, 3, 'Whk verhaling op werknemer',           10000001, TRUE, FALSE, 0, 0, 0);
