/* Lumisto database definition.
   Run by scripts/create-db after CREATE DATABASE (dialect 3, default character set WIN1252).
   The program never creates or alters tables: this script is the one place that does. */

SET SQL DIALECT 3;
SET AUTODDL ON;

/* ------------------------------------------------------------------ sound code */
SET TERM ^ ;

-- BEGIN SOUNDEX
/* Sound codes for names (Brazilian Portuguese), used by the duplicate-name
   check, the phonetic search and the street filter of the label printing.
   docs/phonetic.md describes the rules and the shape of the code. */

/* Code of one word. W holds only A-Z and 0-9 (SOUNDEX below folds accents
   and splits the text); the code may be two letters longer than the word.
   Three passes over the word:
   1. letters to sounds: digraphs, soft/hard C and G, silent H and U,
      sibilants, doubled letters;
   2. sounds in context: U/S at the start, L in the coda, L after a stop,
      nasal codas, final -AO/-AM, E with I;
   3. weak I before A/O, the epenthetic I between a stop and a consonant,
      O with U, final D and final stops. */
CREATE OR ALTER FUNCTION SOUNDEX_PALAVRA (W VARCHAR(1000) CHARACTER SET WIN1252)
RETURNS VARCHAR(1002) CHARACTER SET WIN1252
DETERMINISTIC
AS
DECLARE P VARCHAR(1002) CHARACTER SET WIN1252;
DECLARE Q VARCHAR(1002) CHARACTER SET WIN1252;
DECLARE O VARCHAR(1002) CHARACTER SET WIN1252;
DECLARE C VARCHAR(1) CHARACTER SET WIN1252;
DECLARE N VARCHAR(1) CHARACTER SET WIN1252;
DECLARE N2 VARCHAR(1) CHARACTER SET WIN1252;
DECLARE PR VARCHAR(1) CHARACTER SET WIN1252;
DECLARE S VARCHAR(1) CHARACTER SET WIN1252;
DECLARE I INTEGER;
DECLARE L INTEGER;
BEGIN
  IF (W IS NULL) THEN RETURN NULL;

  /* 1. letters to sounds */
  P = '';
  I = 1;
  L = CHAR_LENGTH(W);
  WHILE (I <= L) DO
  BEGIN
    C = SUBSTRING(W FROM I FOR 1);
    N = SUBSTRING(W FROM I + 1 FOR 1);
    N2 = SUBSTRING(W FROM I + 2 FOR 1);
    S = C;
    IF (C = 'Y') THEN
      S = 'I';
    ELSE IF (C = 'H') THEN                 /* silent, unless part of a digraph */
      S = '';
    ELSE IF (C = 'C') THEN
    BEGIN
      IF (N = 'H') THEN                    /* CH = X, but CHR/CHL = K */
      BEGIN
        S = IIF(N2 IN ('R', 'L'), 'K', 'X');
        I = I + 1;
      END
      ELSE IF (N IN ('E', 'I', 'Y')) THEN
        S = 'S';
      ELSE IF (N IN ('K', 'Q', 'T')) THEN  /* CK, CQ = K; the C of CT is mute */
        S = '';
      ELSE
        S = 'K';
    END
    ELSE IF (C = 'G') THEN
    BEGIN
      IF (N = 'H') THEN
        I = I + 1;
      ELSE IF (N IN ('E', 'I', 'Y')) THEN
        S = 'J';
      ELSE IF (N = 'U' AND N2 IN ('E', 'I', 'Y')) THEN   /* GUE, GUI: mute U */
        I = I + 1;
      ELSE IF (N = 'N') THEN               /* IGNES = INES */
        S = '';
    END
    ELSE IF (C = 'L' AND N = 'H') THEN
    BEGIN
      S = 'W';                             /* LH */
      I = I + 1;
    END
    ELSE IF (C = 'N' AND N = 'H') THEN
    BEGIN
      S = 'Y';                             /* NH */
      I = I + 1;
    END
    ELSE IF (C = 'P') THEN
    BEGIN
      IF (N = 'H') THEN
      BEGIN
        S = 'F';
        I = I + 1;
      END
      ELSE IF (N = 'T') THEN               /* BAPTISTA = BATISTA */
        S = '';
    END
    ELSE IF (C = 'Q') THEN
    BEGIN
      S = 'K';
      IF (N = 'U' AND N2 IN ('E', 'I', 'Y')) THEN        /* QUE, QUI: mute U */
        I = I + 1;
    END
    ELSE IF (C = 'S') THEN
    BEGIN
      IF (N = 'H') THEN
      BEGIN
        S = 'X';
        I = I + 1;
      END
      ELSE IF (N = 'C' AND N2 IN ('E', 'I', 'Y')) THEN   /* SCE, SCI */
        I = I + 1;
    END
    ELSE IF (C IN ('T', 'R', 'K') AND N = 'H') THEN      /* TH, RH, KH */
      I = I + 1;
    ELSE IF (C = 'W') THEN
      S = IIF(N IN ('A', 'E', 'I', 'O', 'U', 'Y'), 'V', 'U');
    ELSE IF (C = 'X') THEN                 /* X = CH at the start, a sibilant elsewhere */
      S = IIF(I = 1, 'X', 'S');
    ELSE IF (C = 'Z') THEN
      S = 'S';
    IF (S <> '' AND RIGHT(P, 1) <> S) THEN
      P = P || S;
    I = I + 1;
  END

  /* 2. sounds in context */
  IF (CHAR_LENGTH(P) > 1) THEN
  BEGIN
    IF (LEFT(P, 1) = 'U' AND SUBSTRING(P FROM 2 FOR 1) IN ('A', 'E', 'I', 'O', 'U')) THEN
      P = 'V' || SUBSTRING(P FROM 2);      /* UILSON = WILSON */
    IF (LEFT(P, 1) = 'S' AND SUBSTRING(P FROM 2 FOR 1) NOT IN ('A', 'E', 'I', 'O', 'U')) THEN
      P = 'E' || P;                        /* STELA = ESTELA */
    IF (RIGHT(P, 2) IN ('AO', 'AM')) THEN
      P = LEFT(P, CHAR_LENGTH(P) - 1) || 'N';             /* -AO, -AM, -AN */
  END
  Q = '';
  I = 1;
  L = CHAR_LENGTH(P);
  WHILE (I <= L) DO
  BEGIN
    C = SUBSTRING(P FROM I FOR 1);
    PR = IIF(I > 1, SUBSTRING(P FROM I - 1 FOR 1), '');
    N = SUBSTRING(P FROM I + 1 FOR 1);
    S = C;
    IF (C = 'L') THEN
    BEGIN
      IF (N NOT IN ('A', 'E', 'I', 'O', 'U')) THEN       /* coda L sounds U */
        S = 'U';
      ELSE IF (PR IN ('B', 'K', 'D', 'F', 'G', 'P', 'T', 'V')) THEN
        S = 'R';                           /* CL = CR, GL = GR */
    END
    ELSE IF (C IN ('M', 'N') AND N NOT IN ('A', 'E', 'I', 'O', 'U')) THEN
      S = 'N';                             /* nasal coda */
    ELSE IF (C = 'E') THEN
      S = 'I';
    IF (RIGHT(Q, 1) <> S) THEN
      Q = Q || S;
    I = I + 1;
  END

  /* 3. weak vowels and final consonants */
  O = '';
  I = 1;
  L = CHAR_LENGTH(Q);
  WHILE (I <= L) DO
  BEGIN
    C = SUBSTRING(Q FROM I FOR 1);
    N = SUBSTRING(Q FROM I + 1 FOR 1);
    PR = RIGHT(O, 1);
    IF (C = 'I' AND PR <> '' AND PR NOT IN ('A', 'I', 'U')
        AND (N = 'O' OR (N = 'A' AND I + 1 < L AND NOT (I + 2 = L AND RIGHT(Q, 1) = 'S')))) THEN
      C = '';                              /* MARCELIO = MARCELO, JEANETE = JANETE; not MARIA, SILVIA */
    ELSE IF (C = 'O') THEN
      C = 'U';
    ELSE IF (C = 'I' AND PR IN ('B', 'D', 'G', 'K', 'P', 'T', 'F') AND N <> ''
             AND N NOT IN ('A', 'I', 'O', 'U', 'R', 'L', 'W', 'Y')
             AND NOT (I + 1 = L AND N = 'S')) THEN
      C = '';                              /* EDMUNDO = EDIMUNDO */
    IF (C <> '' AND RIGHT(O, 1) <> C) THEN
      O = O || C;
    I = I + 1;
  END
  L = CHAR_LENGTH(O);
  IF (L > 1 AND RIGHT(O, 1) = 'D') THEN
    O = LEFT(O, L - 1);                    /* DAVID = DAVI */
  L = CHAR_LENGTH(O);
  IF (L > 1 AND RIGHT(O, 1) IN ('T', 'K', 'B', 'P', 'G')) THEN
    O = O || 'I';                          /* JUDITH = JUDITE */
  RETURN O;
END^

/* Sound code of a text: the code of each word between slashes, one blank
   between two words ("/ANA/ /PAULA/"), so that LIKE '%/PAULA/%' finds every
   text holding the word PAULA and a short code never matches inside a
   longer one. "%" and "_" are kept as they are, in place, and end a word:
   SOUNDEX('%SOUZA%') is '%/SUSA/%', SOUNDEX('%ANA_PAULA%') is
   '%/ANA/_/PAULA/%'. Accents are ignored, apostrophes join (D'AVILA =
   DAVILA), any other character ends a word. The particles DA, DE, DO, DAS,
   DOS and E are left out when the text has another word. NULL gives NULL, a
   text without words ''. */
CREATE OR ALTER FUNCTION SOUNDEX (TEXTO VARCHAR(1000) CHARACTER SET WIN1252)
RETURNS VARCHAR(1000) CHARACTER SET WIN1252
DETERMINISTIC
AS
/* Windows-1252 characters 192 to 255 without their accents; '.' = not a letter */
DECLARE MAPA VARCHAR(64) CHARACTER SET WIN1252 =
  'AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO.OUUUUYTY';
DECLARE T VARCHAR(1000) CHARACTER SET WIN1252;
DECLARE TOKENS VARCHAR(2002) CHARACTER SET WIN1252;
DECLARE PALAVRA VARCHAR(1000) CHARACTER SET WIN1252;
DECLARE CODIGO VARCHAR(1005) CHARACTER SET WIN1252;
DECLARE R VARCHAR(1000) CHARACTER SET WIN1252;
DECLARE C VARCHAR(1) CHARACTER SET WIN1252;
DECLARE F VARCHAR(1) CHARACTER SET WIN1252;
DECLARE K INTEGER;
DECLARE I INTEGER;
DECLARE L INTEGER;
DECLARE OUTRAS SMALLINT;
BEGIN
  IF (TEXTO IS NULL) THEN
    RETURN NULL;
  T = UPPER(TEXTO);

  /* words (folded to A-Z and 0-9) and wildcards, each followed by a blank */
  TOKENS = '';
  PALAVRA = '';
  OUTRAS = 0;
  I = 1;
  L = CHAR_LENGTH(T);
  WHILE (I <= L + 1) DO
  BEGIN
    IF (I <= L) THEN
      C = SUBSTRING(T FROM I FOR 1);
    ELSE
      C = ' ';                             /* ends the last word */
    K = ASCII_VAL(C);
    F = '';
    IF (K BETWEEN 65 AND 90 OR K BETWEEN 48 AND 57) THEN
      F = C;
    ELSE IF (K BETWEEN 97 AND 122) THEN
      F = ASCII_CHAR(K - 32);
    ELSE IF (K >= 192) THEN
      F = SUBSTRING(MAPA FROM K - 191 FOR 1);
    ELSE IF (K IN (138, 154)) THEN         /* S with caron */
      F = 'S';
    ELSE IF (K IN (142, 158)) THEN         /* Z with caron */
      F = 'Z';
    ELSE IF (K IN (140, 156)) THEN         /* OE ligature */
      F = 'O';
    ELSE IF (K = 159) THEN                 /* Y with diaeresis */
      F = 'Y';
    IF (F = '.') THEN
      F = '';
    IF (F <> '') THEN
      PALAVRA = PALAVRA || F;
    ELSE IF (K NOT IN (39, 96, 145, 146, 180)) THEN      /* apostrophes join */
    BEGIN
      IF (PALAVRA <> '') THEN
      BEGIN
        TOKENS = TOKENS || PALAVRA || ' ';
        IF (PALAVRA NOT IN ('DA', 'DE', 'DO', 'DAS', 'DOS', 'E')) THEN
          OUTRAS = 1;
        PALAVRA = '';
      END
      IF (C IN ('%', '_')) THEN
        TOKENS = TOKENS || C || ' ';
    END
    I = I + 1;
  END

  /* codes in the order of the text */
  R = '';
  I = 1;
  L = CHAR_LENGTH(TOKENS);
  WHILE (I <= L) DO
  BEGIN
    K = POSITION(' ', TOKENS, I);
    PALAVRA = SUBSTRING(TOKENS FROM I FOR K - I);
    I = K + 1;
    IF (PALAVRA IN ('%', '_')) THEN
    BEGIN
      IF (CHAR_LENGTH(R) < 1000) THEN
        R = R || PALAVRA;
    END
    ELSE IF (OUTRAS = 0 OR PALAVRA NOT IN ('DA', 'DE', 'DO', 'DAS', 'DOS', 'E')) THEN
    BEGIN
      CODIGO = SOUNDEX_PALAVRA(PALAVRA);   /* '' for a word of mute letters: H */
      IF (CODIGO <> '') THEN
      BEGIN
        IF (RIGHT(R, 1) = '/') THEN        /* right after another word */
          CODIGO = ' /' || CODIGO || '/';
        ELSE
          CODIGO = '/' || CODIGO || '/';
        IF (CHAR_LENGTH(R) + CHAR_LENGTH(CODIGO) <= 1000) THEN
          R = R || CODIGO;
      END
    END
  END
  RETURN R;
END^
-- END SOUNDEX

SET TERM ; ^

/* ------------------------------------------------------------------ users */
CREATE TABLE USUARIO (
  LOGIN      VARCHAR(10) NOT NULL,
  SENHA      VARCHAR(10),
  NOME       VARCHAR(100),
  EMAIL      VARCHAR(100),
  TIPO       INTEGER DEFAULT 0,
  DATA_HORA  TIMESTAMP,
  VER_C      INTEGER DEFAULT 0,
  INC_C      INTEGER DEFAULT 0,
  SOM_C      VARCHAR(500),
  SOM_R      VARCHAR(500),
  SOM_L      VARCHAR(500),
  CONSTRAINT PK_USUARIO PRIMARY KEY (LOGIN)
);

/* two logins that differ only in letter case would log into each other's
   accounts (authentication ignores case): the upper-cased login is unique too */
CREATE UNIQUE INDEX UQ_USUARIO_LOGIN_MAIUSCULO ON USUARIO COMPUTED BY (UPPER(LOGIN));

CREATE EXCEPTION E_LOGIN_EXISTENTE
  'violation of PRIMARY or UNIQUE KEY constraint "UQ_USUARIO_LOGIN_MAIUSCULO" on table "USUARIO"';

SET TERM ^ ;
CREATE TRIGGER USUARIO_LOGIN_UNICO FOR USUARIO
ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
  IF (INSERTING OR NEW.LOGIN IS DISTINCT FROM OLD.LOGIN) THEN
    IF (EXISTS (SELECT 1 FROM USUARIO U
                WHERE UPPER(U.LOGIN) = UPPER(NEW.LOGIN)
                  AND (INSERTING OR U.LOGIN <> OLD.LOGIN))) THEN
      EXCEPTION E_LOGIN_EXISTENTE;
END^
SET TERM ; ^

/* ------------------------------------------------------------------ groups */
CREATE TABLE GRUPO (
  COD_GRUPO   INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  NOME_GRUPO  VARCHAR(100) NOT NULL,
  CONSTRAINT PK_GRUPO PRIMARY KEY (COD_GRUPO)
);

/* ------------------------------------------------------------------ individuals */
CREATE TABLE PESSOAFISICA (
  IDENTIFICADOR         INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  COD_GRUPO             INTEGER,
  NOME                  VARCHAR(100) NOT NULL,
  F_NOME                VARCHAR(1000),
  TRATAMENTO            VARCHAR(30),
  APELIDO               VARCHAR(60),
  EMAIL                 VARCHAR(100),
  MSN                   VARCHAR(100),
  VOIP                  VARCHAR(30),
  FONE_RESIDENCIAL      VARCHAR(15),
  FONE_COMERCIAL        VARCHAR(15),
  FONE_CELULAR          VARCHAR(15),
  PROFISSAO             VARCHAR(30),
  LOCAL_TRABALHO        VARCHAR(60),
  DATA_NASCIMENTO       DATE,
  SEXO                  INTEGER NOT NULL,
  ESTADO_CIVIL          INTEGER NOT NULL,
  INFORMAR_ANIVERSARIO  INTEGER NOT NULL,
  RUA                   VARCHAR(100),
  NUMERO                INTEGER NOT NULL,
  BAIRRO                VARCHAR(100),
  CIDADE                VARCHAR(100),
  ESTADO                CHAR(2),
  CEP                   INTEGER NOT NULL,
  CP                    INTEGER NOT NULL,
  COMPLEMENTO           VARCHAR(100),
  ENVIAR                INTEGER NOT NULL,
  CPF                   VARCHAR(11),
  RG                    VARCHAR(15),
  TITULO                VARCHAR(13),
  ZONA                  INTEGER,
  SECCAO                INTEGER,
  CARTAO_VISA           VARCHAR(16),
  CARTAO_MASTER         VARCHAR(16),
  COD_VISA              INTEGER,
  COD_MASTER            INTEGER,
  TIPO_CLIENTE          INTEGER,
  CLIENTE_DESDE         DATE,
  VENDEDORA             VARCHAR(10),
  P_MATRICULA           VARCHAR(30),
  P_DATA_ENTRADA        DATE,
  P_DATA_DISPENSA       DATE,
  NOME_BANCO            VARCHAR(30),
  AGENCIA               VARCHAR(6),
  NRO_CONTA             VARCHAR(15),
  TITULAR_CONTA         VARCHAR(60),
  NOME_BANCO02          VARCHAR(30),
  AGENCIA02             VARCHAR(6),
  NRO_CONTA02           VARCHAR(15),
  TITULAR_CONTA02       VARCHAR(60),
  NOME_BANCO03          VARCHAR(30),
  AGENCIA03             VARCHAR(6),
  NRO_CONTA03           VARCHAR(15),
  TITULAR_CONTA03       VARCHAR(60),
  GUIA                  INTEGER,
  OBS                   BLOB SUB_TYPE TEXT SEGMENT SIZE 4096,
  PUBLICA               INTEGER NOT NULL,
  LOGIN                 VARCHAR(10) NOT NULL,
  CONSTRAINT PK_PESSOAFISICA PRIMARY KEY (IDENTIFICADOR),
  CONSTRAINT FK_PESSOAFISICA_GRUPO FOREIGN KEY (COD_GRUPO)
    REFERENCES GRUPO (COD_GRUPO) ON DELETE CASCADE,
  /* a user who still owns persons cannot be deleted; a renamed login
     carries its persons along */
  CONSTRAINT FK_PESSOAFISICA_USUARIO FOREIGN KEY (LOGIN)
    REFERENCES USUARIO (LOGIN) ON UPDATE CASCADE
);
CREATE INDEX IX_PESSOAFISICA_F_NOME ON PESSOAFISICA (F_NOME);
CREATE INDEX IX_PESSOAFISICA_NOME ON PESSOAFISICA (NOME);
/* the postal-code lookup, the emergency tab and the birthday lists: the
   month index is used by statements that filter on the very same expression */
CREATE INDEX IX_PESSOAFISICA_CEP ON PESSOAFISICA (CEP);
CREATE INDEX IX_PESSOAFISICA_GUIA ON PESSOAFISICA (GUIA);
CREATE INDEX IX_PESSOAFISICA_MES ON PESSOAFISICA COMPUTED BY (EXTRACT(MONTH FROM DATA_NASCIMENTO));

/* ------------------------------------------------------------------ companies */
CREATE TABLE PESSOAJURIDICA (
  IDENTIFICADOR    INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  COD_GRUPO        INTEGER,
  NOME             VARCHAR(100) NOT NULL,
  F_NOME           VARCHAR(1000),
  CNPJ             VARCHAR(30),
  IE               VARCHAR(30),
  FONE             VARCHAR(15),
  FONE_FAX         VARCHAR(15),
  FONE_CEL         VARCHAR(15),
  FONE_0800        VARCHAR(15),
  FONE_0300        VARCHAR(15),
  EMAIL            VARCHAR(100),
  HOME_PAGE        VARCHAR(100),
  RUA              VARCHAR(100),
  NUMERO           INTEGER NOT NULL,
  BAIRRO           VARCHAR(100),
  CIDADE           VARCHAR(100),
  ESTADO           CHAR(2),
  CEP              INTEGER NOT NULL,
  CP               INTEGER NOT NULL,
  COMPLEMENTO      VARCHAR(100),
  ENVIAR           INTEGER NOT NULL,
  VOIP             VARCHAR(30),
  NOME_BANCO       VARCHAR(30),
  AGENCIA          VARCHAR(6),
  NRO_CONTA        VARCHAR(15),
  TITULAR_CONTA    VARCHAR(60),
  NOME_BANCO02     VARCHAR(30),
  AGENCIA02        VARCHAR(6),
  NRO_CONTA02      VARCHAR(15),
  TITULAR_CONTA02  VARCHAR(60),
  NOME_BANCO03     VARCHAR(30),
  AGENCIA03        VARCHAR(6),
  NRO_CONTA03      VARCHAR(15),
  TITULAR_CONTA03  VARCHAR(60),
  GUIA             INTEGER,
  OBS              BLOB SUB_TYPE TEXT SEGMENT SIZE 4096,
  PUBLICA          INTEGER NOT NULL,
  LOGIN            VARCHAR(10) NOT NULL,
  CONSTRAINT PK_PESSOAJURIDICA PRIMARY KEY (IDENTIFICADOR),
  CONSTRAINT FK_PESSOAJURIDICA_GRUPO FOREIGN KEY (COD_GRUPO)
    REFERENCES GRUPO (COD_GRUPO) ON DELETE CASCADE,
  CONSTRAINT FK_PESSOAJURIDICA_USUARIO FOREIGN KEY (LOGIN)
    REFERENCES USUARIO (LOGIN) ON UPDATE CASCADE
);
CREATE INDEX IX_PESSOAJURIDICA_F_NOME ON PESSOAJURIDICA (F_NOME);
CREATE INDEX IX_PESSOAJURIDICA_NOME ON PESSOAJURIDICA (NOME);
CREATE INDEX IX_PESSOAJURIDICA_CEP ON PESSOAJURIDICA (CEP);
CREATE INDEX IX_PESSOAJURIDICA_GUIA ON PESSOAJURIDICA (GUIA);

/* ------------------------------------------------------------------ contact persons */
CREATE TABLE CONTATO_PJ (
  IDENTIFICADOR     INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  IDENTIFICADOR_PJ  INTEGER NOT NULL,
  NOME              VARCHAR(100),
  FUNCAO            VARCHAR(100),
  EMAIL             VARCHAR(100),
  FONE              VARCHAR(15),
  CELULAR           VARCHAR(15),
  RAMAL             INTEGER,
  OBS               VARCHAR(200),
  DATA              DATE,
  CONSTRAINT PK_CONTATO_PJ PRIMARY KEY (IDENTIFICADOR),
  /* deleting a company is never refused: its contacts go with it */
  CONSTRAINT FK_CONTATO_PJ_EMPRESA FOREIGN KEY (IDENTIFICADOR_PJ)
    REFERENCES PESSOAJURIDICA (IDENTIFICADOR) ON DELETE CASCADE
);

/* ------------------------------------------------------------------ history */
CREATE TABLE HISTORICO (
  IDENTIFICADOR  INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  IDEN_PESSOA    INTEGER,
  TIPO_PESSOA    INTEGER,
  DATA           DATE,
  TEXTO          BLOB SUB_TYPE TEXT SEGMENT SIZE 4096,
  IMAGEM         BLOB SUB_TYPE BINARY SEGMENT SIZE 16384,
  CONSTRAINT PK_HISTORICO PRIMARY KEY (IDENTIFICADOR)
);
CREATE INDEX IX_HISTORICO_PESSOA ON HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA);

/* ------------------------------------------------------------------ photo album */
CREATE TABLE IMAGEM (
  ID_IMAGEM  INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  ID_PESSOA  INTEGER,
  FOTO       BLOB SUB_TYPE BINARY SEGMENT SIZE 16384,
  OBS        VARCHAR(200),
  CONSTRAINT PK_IMAGEM PRIMARY KEY (ID_IMAGEM)
);
CREATE INDEX IX_IMAGEM_PESSOA ON IMAGEM (ID_PESSOA);

/* ------------------------------------------------------------------ finances */
CREATE TABLE FINANCAS (
  ID_FINANCA        INTEGER GENERATED BY DEFAULT AS IDENTITY NOT NULL,
  ID_PESSOA         INTEGER,
  TIPO_PESSOA       INTEGER,
  VALOR             NUMERIC(18,4),
  DATA              DATE,
  TIPO_OPERACAO     INTEGER,
  FORMAP_PAGAMENTO  INTEGER,
  SITUACAO          INTEGER,
  OBS               VARCHAR(4000),
  LOGIN             VARCHAR(10),
  CONSTRAINT PK_FINANCAS PRIMARY KEY (ID_FINANCA),
  /* the entry stays when its author's account is removed */
  CONSTRAINT FK_FINANCAS_USUARIO FOREIGN KEY (LOGIN)
    REFERENCES USUARIO (LOGIN) ON UPDATE CASCADE ON DELETE SET NULL
);
CREATE INDEX IX_FINANCAS_PESSOA ON FINANCAS (ID_PESSOA, TIPO_PESSOA);
CREATE INDEX IX_FINANCAS_DATA ON FINANCAS (DATA);

/* ------------------------------------------------------------------ diary */
CREATE TABLE ANOTACAO (
  DATA   DATE NOT NULL,
  LOGIN  VARCHAR(10) NOT NULL,
  TEXTO  BLOB SUB_TYPE TEXT SEGMENT SIZE 4096,
  CONSTRAINT PK_ANOTACAO PRIMARY KEY (DATA, LOGIN),
  /* a private diary leaves with its owner: a later user given the same
     login must not read it */
  CONSTRAINT FK_ANOTACAO_USUARIO FOREIGN KEY (LOGIN)
    REFERENCES USUARIO (LOGIN) ON UPDATE CASCADE ON DELETE CASCADE
);
CREATE INDEX IX_ANOTACAO_LOGIN_DATA ON ANOTACAO (LOGIN, DATA);

/* ------------------------------------------------------------------ mail merge scratch */
CREATE TABLE MALA_DIRETA (
  LOGIN          VARCHAR(10),
  TEXTO          BLOB SUB_TYPE TEXT SEGMENT SIZE 16384,
  EMAIL_DESTINO  VARCHAR(100),
  CONSTRAINT FK_MALA_DIRETA_USUARIO FOREIGN KEY (LOGIN)
    REFERENCES USUARIO (LOGIN) ON UPDATE CASCADE ON DELETE CASCADE
);

/* ------------------------------------------------------------------ upkeep */
SET TERM ^ ;

/* the sound code of the name is kept by the database on every write */
CREATE TRIGGER PESSOAFISICA_F_NOME FOR PESSOAFISICA
ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
  NEW.F_NOME = SOUNDEX(UPPER(NEW.NOME));
END^

CREATE TRIGGER PESSOAJURIDICA_F_NOME FOR PESSOAJURIDICA
ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
  NEW.F_NOME = SOUNDEX(UPPER(NEW.NOME));
END^

/* no screen reaches a deleted person's history, pictures or finances again;
   removing them keeps the file from growing with unreachable pictures */
CREATE TRIGGER PESSOAFISICA_EXCLUSAO FOR PESSOAFISICA
ACTIVE AFTER DELETE POSITION 0
AS
BEGIN
  DELETE FROM HISTORICO WHERE IDEN_PESSOA = OLD.IDENTIFICADOR AND TIPO_PESSOA = 0;
  DELETE FROM FINANCAS WHERE ID_PESSOA = OLD.IDENTIFICADOR AND TIPO_PESSOA = 0;
  DELETE FROM IMAGEM WHERE ID_PESSOA = OLD.IDENTIFICADOR;
END^

CREATE TRIGGER PESSOAJURIDICA_EXCLUSAO FOR PESSOAJURIDICA
ACTIVE AFTER DELETE POSITION 0
AS
BEGIN
  DELETE FROM HISTORICO WHERE IDEN_PESSOA = OLD.IDENTIFICADOR AND TIPO_PESSOA = 1;
  DELETE FROM FINANCAS WHERE ID_PESSOA = OLD.IDENTIFICADOR AND TIPO_PESSOA = 1;
END^

SET TERM ; ^

COMMIT;
