object MainForm: TMainForm
  Left = 192
  Top = 107
  HelpContext = 260
  BorderStyle = bsSingle
  Caption = 'Strombaurechner <unbenannt>'
  ClientHeight = 380
  ClientWidth = 703
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  Menu = RxMainMenu1
  OldCreateOrder = False
  Position = poDesktopCenter
  ShowHint = True
  OnActivate = FormActivate
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 14
  object SpeedBar1: TSpeedBar
    Left = 0
    Top = 0
    Width = 703
    Height = 31
    Align = alTop
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Options = [sbAllowDrag, sbFlatBtns, sbGrayedBtns, sbTransparentBtns]
    BtnOffsetHorz = 3
    BtnOffsetVert = 3
    BtnWidth = 24
    BtnHeight = 23
    TabOrder = 0
    object LogoImage: TImage
      Left = 612
      Top = 2
      Width = 87
      Height = 27
      Anchors = [akTop, akRight]
      Stretch = True
    end
    object SpeedbarSection1: TSpeedbarSection
      Caption = 'Datei'
    end
    object SpeedbarSection2: TSpeedbarSection
      Caption = 'Bearbeiten'
    end
    object FormCloseBtn: TSpeedItem
      Caption = 'Beenden'
      Hint = 'Programm beenden'
      Spacing = 1
      Left = 3
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = FormCloseBtnClick
      SectionName = 'Datei'
    end
    object ProjektNewBtn: TSpeedItem
      Caption = 'Projekt neu'
      Hint = 'Projekt neu'
      Spacing = 1
      Left = 35
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = ProjektNewBtnClick
      SectionName = 'Datei'
    end
    object ProjektOpenBtn: TSpeedItem
      Caption = 'Projekt '#246'ffnen'
      Hint = 'Projekt '#246'ffnen'
      Spacing = 1
      Left = 59
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mProjektOpenClick
      SectionName = 'Datei'
    end
    object ProjektCloseBtn: TSpeedItem
      Caption = 'Projekt schliessen'
      Enabled = False
      Hint = 'Projekt schliessen'
      Spacing = 1
      Left = 83
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mProjektschliessenClick
      SectionName = 'Datei'
    end
    object ProjektSaveBtn: TSpeedItem
      Caption = 'Projekt speichern'
      Enabled = False
      Hint = 'Projekt speichern'
      Spacing = 1
      Left = 107
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = ProjektSaveBtnClick
      SectionName = 'Datei'
    end
    object ProjektSaveAsBtn: TSpeedItem
      Caption = 'Projekt speichern unter'
      Enabled = False
      Hint = 'Projekt speichern unter ...'
      Spacing = 1
      Left = 131
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mProjektSaveAsClick
      SectionName = 'Datei'
    end
    object PreviewBtn: TSpeedItem
      Caption = 'Druckvorschau'
      Enabled = False
      Hint = 'Druckvorschau'
      Spacing = 1
      Left = 163
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mPreviewClick
      SectionName = 'Datei'
    end
    object PrintBtn: TSpeedItem
      Caption = 'Drucken'
      Enabled = False
      Hint = 'Drucken'
      Spacing = 1
      Left = 187
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mPrintClick
      SectionName = 'Datei'
    end
    object BerechnenTSBtn: TSpeedItem
      Caption = 'Teilstrecke berechnen'
      Enabled = False
      Hint = 'Teilstrecke berechnen'
      Spacing = 1
      Left = 219
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mAktuelleTSClick
      SectionName = 'Bearbeiten'
    end
    object BerechnenGesamtBtn: TSpeedItem
      Caption = 'Gesamtleitung berechnen'
      Enabled = False
      Hint = 'Gesamtleitung berechnen'
      Spacing = 1
      Left = 243
      Top = 3
      Width = 24
      Height = 23
      Visible = True
      OnClick = mAlleTSClick
      SectionName = 'Bearbeiten'
    end
  end
  object TSTreeView: TTreeView
    Left = 0
    Top = 31
    Width = 145
    Height = 349
    HelpContext = 210
    Align = alLeft
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    HideSelection = False
    Images = BaumlistImages
    Indent = 19
    ParentFont = False
    PopupMenu = TreeViewPopUp
    ReadOnly = True
    TabOrder = 1
  end
  object AuslegungPageCtrl: TPageControl
    Left = 145
    Top = 31
    Width = 558
    Height = 349
    HelpContext = 260
    ActivePage = DatenTab
    Align = alClient
    Enabled = False
    TabOrder = 2
    object DatenTab: TTabSheet
      HelpContext = 220
      Caption = 'Vorgaben und Ergebnisse'
      object TSCaptionLbl1: TLabel
        Left = 8
        Top = 6
        Width = 400
        Height = 16
        Caption = 'Teilstrecke'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clMaroon
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label1: TLabel
        Left = 8
        Top = 38
        Width = 150
        Height = 14
        Caption = 'Volumenstrom'
      end
      object VpVorgabeEdit: TCurrencyEdit
        Left = 160
        Top = 34
        Width = 90
        Height = 22
        AutoSize = False
        DisplayFormat = ',0'
      end
      object Label2: TLabel
        Left = 256
        Top = 38
        Width = 30
        Height = 14
        Caption = 'm'#179'/h'
      end
      object Label3: TLabel
        Left = 8
        Top = 64
        Width = 150
        Height = 14
        Caption = 'Teilstreckenl'#228'nge'
      end
      object TSLaengeEdit: TCurrencyEdit
        Left = 160
        Top = 60
        Width = 90
        Height = 22
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label4: TLabel
        Left = 256
        Top = 64
        Width = 30
        Height = 14
        Caption = 'm'
      end
      object Label5: TLabel
        Left = 8
        Top = 90
        Width = 150
        Height = 14
        Caption = 'Materialart'
      end
      object KanalartCombo: TComboBox
        Left = 160
        Top = 86
        Width = 130
        Height = 22
        Style = csDropDownList
        ItemHeight = 14
        TabOrder = 2
        Items.Strings = (
          'Blechkanal gefalzt'
          'Flexibler Schlauch'
          'Faserzement'
          'Holzkanal'
          'Betonkanal'
          'Gemauerter Kanal')
      end
      object RohrartCB: TRadioButton
        Left = 8
        Top = 116
        Width = 120
        Height = 17
        Caption = 'Rundrohr - Kanal'
        Checked = True
        TabOrder = 3
        TabStop = True
      end
      object KanalartCB: TRadioButton
        Left = 8
        Top = 138
        Width = 120
        Height = 17
        Caption = 'Rechteck - Kanal'
        TabOrder = 4
      end
      object ovalCB: TCheckBox
        Left = 160
        Top = 138
        Width = 80
        Height = 17
        Caption = 'oval'
        Enabled = False
        TabOrder = 5
      end
      object DNRohrLbl: TLabel
        Left = 8
        Top = 168
        Width = 150
        Height = 14
        Caption = 'Rohr-Durchmesser'
      end
      object DNRohrEdit: TCurrencyEdit
        Left = 160
        Top = 164
        Width = 90
        Height = 22
        AutoSize = False
        DisplayFormat = ',0'
      end
      object Label6: TLabel
        Left = 256
        Top = 168
        Width = 30
        Height = 14
        Caption = 'mm'
      end
      object KanalHoeheLbl: TLabel
        Left = 8
        Top = 194
        Width = 150
        Height = 14
        Caption = 'Kanal-H'#246'he'
        Visible = False
      end
      object KanalHoeheEdit: TCurrencyEdit
        Left = 160
        Top = 190
        Width = 90
        Height = 22
        AutoSize = False
        DisplayFormat = ',0'
        Visible = False
      end
      object KanalHoeheLbl2: TLabel
        Left = 256
        Top = 194
        Width = 30
        Height = 14
        Caption = 'mm'
        Visible = False
      end
      object Label7: TLabel
        Left = 8
        Top = 220
        Width = 150
        Height = 14
        Caption = 'Str'#246'mungsgeschwindigkeit'
      end
      object GeschwEdit: TCurrencyEdit
        Left = 160
        Top = 216
        Width = 90
        Height = 22
        AutoSize = False
        DisplayFormat = ',0.00'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label8: TLabel
        Left = 256
        Top = 220
        Width = 30
        Height = 14
        Caption = 'm/s'
      end
      object Label9: TLabel
        Left = 296
        Top = 38
        Width = 150
        Height = 14
        Caption = 'Hydraulischer Durchmeser'
      end
      object HydrDurchmEdit: TCurrencyEdit
        Left = 446
        Top = 34
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label10: TLabel
        Left = 520
        Top = 38
        Width = 28
        Height = 14
        Caption = 'm'
      end
      object Label11: TLabel
        Left = 296
        Top = 64
        Width = 150
        Height = 14
        Caption = 'Querschnittsfl'#228'che'
      end
      object FlaecheEdit: TCurrencyEdit
        Left = 446
        Top = 60
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label12: TLabel
        Left = 520
        Top = 64
        Width = 28
        Height = 14
        Caption = 'm'#178
      end
      object Label13: TLabel
        Left = 296
        Top = 90
        Width = 150
        Height = 14
        Caption = 'Druckverlust Rohr'
      end
      object DpRohrEdit: TCurrencyEdit
        Left = 446
        Top = 86
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label14: TLabel
        Left = 520
        Top = 90
        Width = 28
        Height = 14
        Caption = 'Pa'
      end
      object Label15: TLabel
        Left = 296
        Top = 116
        Width = 150
        Height = 14
        Caption = 'Druckverlust Formst'#252'cke'
      end
      object DpFormstueckEdit: TCurrencyEdit
        Left = 446
        Top = 112
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label16: TLabel
        Left = 520
        Top = 116
        Width = 28
        Height = 14
        Caption = 'Pa'
      end
      object Label17: TLabel
        Left = 296
        Top = 142
        Width = 150
        Height = 14
        Caption = 'Druckverlust gesamt'
      end
      object DpGesamtEdit: TCurrencyEdit
        Left = 446
        Top = 138
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
      end
      object Label18: TLabel
        Left = 520
        Top = 142
        Width = 28
        Height = 14
        Caption = 'Pa'
      end
      object Bevel1: TBevel
        Left = 4
        Top = 252
        Width = 544
        Height = 2
        Shape = bsTopLine
      end
      object Label19: TLabel
        Left = 8
        Top = 266
        Width = 150
        Height = 14
        Caption = 'Volumenstrom gesamt'
      end
      object VpLeitungGesEdit: TCurrencyEdit
        Left = 160
        Top = 262
        Width = 90
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clGreen
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = []
        ParentFont = False
      end
      object Label20: TLabel
        Left = 256
        Top = 266
        Width = 30
        Height = 14
        Caption = 'm'#179'/h'
      end
      object Label21: TLabel
        Left = 8
        Top = 292
        Width = 150
        Height = 14
        Caption = 'Druckverlust extern ges.'
      end
      object dpLeitungGesEdit: TCurrencyEdit
        Left = 160
        Top = 288
        Width = 90
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clRed
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = []
        ParentFont = False
      end
      object Label22: TLabel
        Left = 256
        Top = 292
        Width = 30
        Height = 14
        Caption = 'Pa'
      end
      object Label23: TLabel
        Left = 296
        Top = 266
        Width = 150
        Height = 14
        Caption = 'erforderliche Wellenleistung '
      end
      object WellenleistungEdit: TCurrencyEdit
        Left = 446
        Top = 262
        Width = 70
        Height = 22
        TabStop = False
        Color = clScrollBar
        ReadOnly = True
        AutoSize = False
        DisplayFormat = ',0.00'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clBlue
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = []
        ParentFont = False
      end
      object Label24: TLabel
        Left = 520
        Top = 266
        Width = 28
        Height = 14
        Caption = 'kW'
      end
    end
    object ZubehoerTab: TTabSheet
      HelpContext = 230
      Caption = 'Zubeh'#246'r'
      object TSCaptionLbl2: TLabel
        Left = 8
        Top = 6
        Width = 400
        Height = 16
        Caption = 'Teilstrecke'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clMaroon
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label25: TLabel
        Left = 36
        Top = 42
        Width = 142
        Height = 14
        Caption = 'selbstt'#228'tige Verschlu'#223'klappe '
      end
      object EinbautenEdit1: TCurrencyEdit
        Left = 182
        Top = 38
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 0
      end
      object Label26: TLabel
        Left = 236
        Top = 42
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label27: TLabel
        Left = 36
        Top = 76
        Width = 142
        Height = 14
        Caption = 'Wetterschutzgitter'
      end
      object EinbautenEdit2: TCurrencyEdit
        Left = 182
        Top = 72
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 1
      end
      object Label28: TLabel
        Left = 236
        Top = 76
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label29: TLabel
        Left = 36
        Top = 110
        Width = 142
        Height = 14
        Caption = 'Filterbox'
      end
      object EinbautenEdit3: TCurrencyEdit
        Left = 182
        Top = 106
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 2
      end
      object Label30: TLabel
        Left = 236
        Top = 110
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label31: TLabel
        Left = 36
        Top = 144
        Width = 142
        Height = 14
        Caption = 'Kanalfilter'
      end
      object EinbautenEdit4: TCurrencyEdit
        Left = 182
        Top = 140
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 3
      end
      object Label32: TLabel
        Left = 236
        Top = 144
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label33: TLabel
        Left = 36
        Top = 178
        Width = 142
        Height = 14
        Caption = 'Luftfilter'
      end
      object EinbautenEdit5: TCurrencyEdit
        Left = 182
        Top = 174
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 4
      end
      object Label34: TLabel
        Left = 236
        Top = 178
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label35: TLabel
        Left = 36
        Top = 212
        Width = 142
        Height = 14
        Caption = 'E - Heizregister Rohr'
      end
      object EinbautenEdit6: TCurrencyEdit
        Left = 182
        Top = 208
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 5
      end
      object Label36: TLabel
        Left = 236
        Top = 212
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label37: TLabel
        Left = 312
        Top = 42
        Width = 142
        Height = 14
        Caption = 'E - Heizregister Kanal'
      end
      object EinbautenEdit7: TCurrencyEdit
        Left = 456
        Top = 38
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 6
      end
      object Label38: TLabel
        Left = 510
        Top = 42
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label39: TLabel
        Left = 312
        Top = 76
        Width = 142
        Height = 14
        Caption = 'WW - Heizregister Rohr'
      end
      object EinbautenEdit8: TCurrencyEdit
        Left = 456
        Top = 72
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 7
      end
      object Label40: TLabel
        Left = 510
        Top = 76
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label41: TLabel
        Left = 312
        Top = 110
        Width = 142
        Height = 14
        Caption = 'WW - Heizregister Kanal'
      end
      object EinbautenEdit9: TCurrencyEdit
        Left = 456
        Top = 106
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 8
      end
      object Label42: TLabel
        Left = 510
        Top = 110
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label43: TLabel
        Left = 312
        Top = 144
        Width = 142
        Height = 14
        Caption = 'Rohrschalld'#228'mfper'
      end
      object EinbautenEdit10: TCurrencyEdit
        Left = 456
        Top = 140
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 9
      end
      object Label44: TLabel
        Left = 510
        Top = 144
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label45: TLabel
        Left = 312
        Top = 178
        Width = 142
        Height = 14
        Caption = 'flex. Rohrschalld'#228'mpfer'
      end
      object EinbautenEdit11: TCurrencyEdit
        Left = 456
        Top = 174
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 10
      end
      object Label46: TLabel
        Left = 510
        Top = 178
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object Label47: TLabel
        Left = 312
        Top = 212
        Width = 142
        Height = 14
        Caption = 'Kanalschalld'#228'mpfer'
      end
      object EinbautenEdit12: TCurrencyEdit
        Left = 456
        Top = 208
        Width = 50
        Height = 22
        AutoSize = False
        DecimalPlaces = 0
        DisplayFormat = ',0'
        TabOrder = 11
      end
      object Label48: TLabel
        Left = 510
        Top = 212
        Width = 20
        Height = 14
        Caption = 'St.'
      end
      object EinbautenImage1: TImage
        Left = 6
        Top = 36
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage2: TImage
        Left = 6
        Top = 70
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage3: TImage
        Left = 6
        Top = 104
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage4: TImage
        Left = 6
        Top = 138
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage5: TImage
        Left = 6
        Top = 172
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage6: TImage
        Left = 6
        Top = 206
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage7: TImage
        Left = 282
        Top = 36
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage8: TImage
        Left = 282
        Top = 70
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage9: TImage
        Left = 282
        Top = 104
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage10: TImage
        Left = 282
        Top = 138
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage11: TImage
        Left = 282
        Top = 172
        Width = 26
        Height = 26
        Center = True
      end
      object EinbautenImage12: TImage
        Left = 282
        Top = 206
        Width = 26
        Height = 26
        Center = True
      end
    end
    object FormstueckTab: TTabSheet
      HelpContext = 240
      Caption = 'Formst'#252'cke'
      object TSCaptionLbl3: TLabel
        Left = 8
        Top = 6
        Width = 400
        Height = 16
        Caption = 'Teilstrecke'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clMaroon
        Font.Height = -13
        Font.Name = 'Arial'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object FormstueckPageCtrl: TPageControl
        Left = 4
        Top = 26
        Width = 544
        Height = 292
        ActivePage = BogenTab
        TabOrder = 0
        object BogenTab: TTabSheet
          Caption = 'Bogen'
          object Label49: TLabel
            Left = 8
            Top = 10
            Width = 150
            Height = 14
            Caption = 'Bogen rund, glatt'
          end
          object ZetaBogenGlattGrid: TCellGrid
            Left = 170
            Top = 6
            Width = 290
            Height = 41
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'R / D'
              0
              1
              'Stck.'
              1
              0
              '0,5'
              1
              1
              '0'
              2
              0
              '0,75'
              2
              1
              '0'
              3
              0
              '1,0'
              3
              1
              '0'
              4
              0
              '2'
              4
              1
              '0'
              5
              0
              '3'
              5
              1
              '0'
              6
              0
              '4'
              6
              1
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label50: TLabel
            Left = 8
            Top = 57
            Width = 150
            Height = 14
            Caption = 'Bogen rund, Segmente'
          end
          object ZetaBogenSegmentGrid: TCellGrid
            Left = 170
            Top = 53
            Width = 290
            Height = 60
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 3
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'R / D'
              0
              1
              '3 Seg.'
              0
              2
              '5 Seg.'
              1
              0
              '0,5'
              1
              1
              '0'
              1
              2
              '0'
              2
              0
              '0,75'
              2
              1
              '0'
              2
              2
              '0'
              3
              0
              '1,0'
              3
              1
              '0'
              3
              2
              '0'
              4
              0
              '1,5'
              4
              1
              '0'
              4
              2
              '0'
              5
              0
              '2'
              5
              1
              '0'
              5
              2
              '0'
              6
              1
              '0'
              6
              2
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              0
              2
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0
              6
              1
              3
              1
              0
              6
              2
              3
              1
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label51: TLabel
            Left = 8
            Top = 123
            Width = 150
            Height = 14
            Caption = 'Bogen flach, horizontal'
          end
          object ZetaBogenFlachGrid: TCellGrid
            Left = 170
            Top = 119
            Width = 290
            Height = 60
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 3
            FixedRows = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'h / b'
              0
              1
              'R / b'
              0
              2
              'Stck.'
              1
              1
              '0,75'
              1
              2
              '0'
              2
              1
              '1,0'
              2
              2
              '0'
              3
              0
              '0,5'
              3
              1
              '1,5'
              3
              2
              '0'
              4
              1
              '2,0'
              4
              2
              '0'
              5
              2
              '0'
              6
              2
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              0
              2
              1
              2
              0
              1
              0
              1
              2
              0
              1
              1
              1
              2
              0
              2
              0
              1
              2
              0
              2
              1
              1
              2
              0
              3
              0
              1
              2
              0
              3
              1
              1
              2
              0
              4
              0
              1
              2
              0
              4
              1
              1
              2
              0
              5
              0
              1
              2
              0
              5
              1
              1
              2
              0
              5
              2
              3
              1
              0
              6
              0
              1
              2
              0
              6
              1
              1
              2
              0
              6
              2
              3
              1
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label52: TLabel
            Left = 8
            Top = 189
            Width = 150
            Height = 14
            Caption = 'Bogen flach, vertikal'
          end
          object ZetaBogenFlachVertGrid: TCellGrid
            Left = 170
            Top = 185
            Width = 290
            Height = 60
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 3
            FixedRows = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'h / b'
              0
              1
              'R / b'
              0
              2
              'Stck.'
              1
              1
              '0,75'
              1
              2
              '0'
              2
              1
              '1,0'
              2
              2
              '0'
              3
              0
              '0,50'
              3
              1
              '1,5'
              3
              2
              '0'
              4
              1
              '2,0'
              4
              2
              '0'
              5
              2
              '0'
              6
              2
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              0
              2
              1
              2
              0
              1
              0
              1
              2
              0
              1
              1
              1
              2
              0
              2
              0
              1
              2
              0
              2
              1
              1
              2
              0
              3
              0
              1
              2
              0
              3
              1
              1
              2
              0
              4
              0
              1
              2
              0
              4
              1
              1
              2
              0
              5
              0
              1
              2
              0
              5
              1
              1
              2
              0
              5
              2
              3
              1
              0
              6
              0
              1
              2
              0
              6
              1
              1
              2
              0
              6
              2
              3
              1
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
        end
        object AbzweigTab: TTabSheet
          Caption = 'Abzweig'
          object Label53: TLabel
            Left = 8
            Top = 10
            Width = 150
            Height = 14
            Caption = 'Abzweig'
          end
          object ZetaAbzweigGrid: TCellGrid
            Left = 170
            Top = 6
            Width = 331
            Height = 79
            ColCount = 8
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 4
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'V2/V1'
              0
              1
              '90 '#176
              0
              2
              '60 '#176
              0
              3
              '45 '#176
              1
              0
              '0,4'
              1
              1
              '0'
              1
              2
              '0'
              1
              3
              '0'
              2
              0
              '0,6'
              2
              1
              '0'
              2
              2
              '0'
              2
              3
              '0'
              3
              0
              '0,8'
              3
              1
              '0'
              3
              2
              '0'
              3
              3
              '0'
              4
              0
              '1,0'
              4
              1
              '0'
              4
              2
              '0'
              4
              3
              '0'
              5
              0
              '1,5'
              5
              1
              '0'
              5
              2
              '0'
              5
              3
              '0'
              6
              0
              '2,0'
              6
              1
              '0'
              6
              2
              '0'
              6
              3
              '0'
              7
              0
              '3,0'
              7
              1
              '0'
              7
              2
              '0'
              7
              3
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              0
              2
              1
              2
              0
              0
              3
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0
              7
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0
              3
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
        end
        object ReduktionTab: TTabSheet
          Caption = 'Reduktion/Erweiterung'
          object Label54: TLabel
            Left = 8
            Top = 10
            Width = 150
            Height = 14
            Caption = 'Erweiterung, scharfkantig'
          end
          object ZetaRedScharfWeitGrid: TCellGrid
            Left = 170
            Top = 6
            Width = 290
            Height = 41
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'A2/A1'
              0
              1
              'Stck.'
              1
              0
              '0'
              1
              1
              '0'
              2
              0
              '0,2'
              2
              1
              '0'
              3
              0
              '0,4'
              3
              1
              '0'
              4
              0
              '0,6'
              4
              1
              '0'
              5
              0
              '0,8'
              5
              1
              '0'
              6
              0
              '1,0'
              6
              1
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label55: TLabel
            Left = 8
            Top = 57
            Width = 150
            Height = 14
            Caption = 'Reduzierung, scharfkantig'
          end
          object ZetaRedScharfEngGrid: TCellGrid
            Left = 170
            Top = 53
            Width = 290
            Height = 41
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'A2/A1'
              0
              1
              'Stck.'
              1
              0
              '0'
              1
              1
              '0'
              2
              0
              '0,2'
              2
              1
              '0'
              3
              0
              '0,4'
              3
              1
              '0'
              4
              0
              '0,6'
              4
              1
              '0'
              5
              0
              '0,8'
              5
              1
              '0'
              6
              0
              '1,0'
              6
              1
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label56: TLabel
            Left = 8
            Top = 104
            Width = 150
            Height = 14
            Caption = 'Erweiterung, konisch'
          end
          object ZetaRedKonWeitGrid: TCellGrid
            Left = 170
            Top = 100
            Width = 290
            Height = 79
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 4
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'A1/A2'
              0
              1
              'f= 0,5'
              0
              2
              'f= 0,33'
              0
              3
              'f= 0,25'
              1
              0
              '5'#176
              1
              1
              '0'
              1
              2
              '0'
              1
              3
              '0'
              2
              0
              '7,5'#176
              2
              1
              '0'
              2
              2
              '0'
              2
              3
              '0'
              3
              0
              '10'#176
              3
              1
              '0'
              3
              2
              '0'
              3
              3
              '0'
              4
              0
              '15'#176
              4
              1
              '0'
              4
              2
              '0'
              4
              3
              '0'
              5
              0
              '20'#176
              5
              1
              '0'
              5
              2
              '0'
              5
              3
              '0'
              6
              0
              '>30'#176
              6
              1
              '0'
              6
              2
              '0'
              6
              3
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              0
              2
              1
              2
              0
              0
              3
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0
              3
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
          object Label57: TLabel
            Left = 8
            Top = 189
            Width = 150
            Height = 14
            Caption = 'Reduzierung, konisch'
          end
          object ZetaRedKonEngGrid: TCellGrid
            Left = 170
            Top = 185
            Width = 290
            Height = 41
            ColCount = 7
            DefaultColWidth = 40
            DefaultRowHeight = 18
            RowCount = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssNone
            Cells = (
              0
              0
              'A2/A1'
              0
              1
              'Stck.'
              1
              0
              '0'
              1
              1
              '0'
              2
              0
              '0,2'
              2
              1
              '0'
              3
              0
              '0,4'
              3
              1
              '0'
              4
              0
              '0,6'
              4
              1
              '0'
              5
              0
              '0,8'
              5
              1
              '0'
              6
              0
              '1,0'
              6
              1
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              0
              1
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0
              3
              0
              1
              2
              0
              4
              0
              1
              2
              0
              5
              0
              1
              2
              0
              6
              0
              1
              2
              0)
            PropCol = (
              0
              1
              2
              0)
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
        end
        object SonstTab: TTabSheet
          Caption = 'Sonstige Einbauten o. Formst'#252'cke'
          object Label58: TLabel
            Left = 8
            Top = 6
            Width = 520
            Height = 30
            Caption = 'Hier k'#246'nnen alle Bauteile eingetragen werden, die in den vorherigen Aufz'#228'hlungen nicht enthalten sind.'
            WordWrap = True
            AutoSize = False
          end
          object FremdEinbGrid: TCellGrid
            Left = 8
            Top = 40
            Width = 416
            Height = 220
            ColCount = 3
            DefaultColWidth = 40
            DefaultRowHeight = 18
            FixedCols = 0
            RowCount = 21
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
            ScrollBars = ssVertical
            ColWidths = (
              60
              280
              52)
            Cells = (
              0
              0
              'Menge'
              0
              1
              '0'
              0
              2
              '0'
              0
              3
              '0'
              0
              4
              '0'
              0
              5
              '0'
              0
              6
              '0'
              0
              7
              '0'
              0
              8
              '0'
              0
              9
              '0'
              0
              10
              '0'
              0
              11
              '0'
              0
              12
              '0'
              0
              13
              '0'
              0
              14
              '0'
              0
              15
              '0'
              0
              16
              '0'
              0
              17
              '0'
              0
              18
              '0'
              0
              19
              '0'
              0
              20
              '0'
              1
              0
              'Beschreibung'
              2
              0
              'Dp (Pa)'
              2
              1
              '0'
              2
              2
              '0'
              2
              3
              '0'
              2
              4
              '0'
              2
              5
              '0'
              2
              6
              '0'
              2
              7
              '0'
              2
              8
              '0'
              2
              9
              '0'
              2
              10
              '0'
              2
              11
              '0'
              2
              12
              '0'
              2
              13
              '0'
              2
              14
              '0'
              2
              15
              '0'
              2
              16
              '0'
              2
              17
              '0'
              2
              18
              '0'
              2
              19
              '0'
              2
              20
              '0')
            PropCell = (
              0
              0
              1
              2
              0
              1
              0
              1
              2
              0
              2
              0
              1
              2
              0)
            PropCol = ()
            PropRow = (
              0
              1
              2
              0
              1
              1
              2
              0
              2
              1
              2
              0
              3
              1
              2
              0
              4
              1
              2
              0
              5
              1
              2
              0
              6
              1
              2
              0
              7
              1
              2
              0
              8
              1
              2
              0
              9
              1
              2
              0
              10
              1
              2
              0
              11
              1
              2
              0
              12
              1
              2
              0
              13
              1
              2
              0
              14
              1
              2
              0
              15
              1
              2
              0
              16
              1
              2
              0
              17
              1
              2
              0
              18
              1
              2
              0
              19
              1
              2
              0
              20
              1
              2
              0)
            PropFixedCol = ()
            PropFixedRow = ()
          end
        end
      end
    end
  end
  object RxMainMenu1: TRxMainMenu
    object Datei1: TMenuItem
      Caption = '&Datei'
      object mProjektNeu: TMenuItem
        Caption = 'Projekt &neu'
        ShortCut = 16462
        OnClick = ProjektNewBtnClick
      end
      object mProjektOpen: TMenuItem
        Caption = 'Pr&ojekt '#246'ffnen'
        ShortCut = 16463
        OnClick = mProjektOpenClick
      end
      object mProjektschliessen: TMenuItem
        Caption = 'Projekt &schliessen'
        Enabled = False
        ShortCut = 16471
        OnClick = mProjektschliessenClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mProjektSave: TMenuItem
        Caption = 'Projekt &speichern'
        Enabled = False
        ShortCut = 16467
        OnClick = ProjektSaveBtnClick
      end
      object mProjektSaveAs: TMenuItem
        Caption = 'Projekt speichern unter'
        Enabled = False
        OnClick = mProjektSaveAsClick
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object mPrint: TMenuItem
        Caption = 'Drucken'
        Enabled = False
        OnClick = mPrintClick
      end
      object mPreview: TMenuItem
        Caption = 'Druckvorschau'
        Enabled = False
        OnClick = mPreviewClick
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object mBeenden: TMenuItem
        Caption = 'B&eenden'
        OnClick = FormCloseBtnClick
      end
    end
    object mBearbeiten: TMenuItem
      Caption = '&Bearbeiten'
      Enabled = False
      object Berechnen1: TMenuItem
        Caption = 'Be&rechnen'
        object mAlleTS: TMenuItem
          Caption = 'alle Teilstrecken'
          OnClick = mAlleTSClick
        end
        object mAktuelleTS: TMenuItem
          Caption = 'aktuelle Teilstrecke'
          OnClick = mAktuelleTSClick
        end
      end
    end
    object Einstellungen1: TMenuItem
      Caption = 'Einstellungen'
      object mTechnik: TMenuItem
        Caption = 'techn. Daten'
        Visible = False
        OnClick = mTechnikClick
      end
      object N4: TMenuItem
        Caption = '-'
        Visible = False
      end
      object Benutzereinstellungen1: TMenuItem
        Caption = 'Benutzereinstellungen'
        OnClick = Benutzereinstellungen1Click
      end
    end
    object Hilfe1: TMenuItem
      Caption = '?'
      object mHilfe: TMenuItem
        Caption = 'Hilfe'
        ShortCut = 112
        OnClick = mHilfeClick
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object mAbout: TMenuItem
        Caption = #220'ber ...'
        OnClick = mAboutClick
      end
    end
  end
  object TreeViewPopUp: TRxPopupMenu
    object mTSInsert: TMenuItem
      Caption = 'Teilstrecke einf'#252'gen'
      OnClick = mTSInsertClick
    end
    object mTSDelete: TMenuItem
      Caption = 'Teilstrecke l'#246'schen'
      OnClick = mTSDeleteClick
    end
    object mTSNameChange: TMenuItem
      Caption = 'TS-Name '#228'ndern'
      OnClick = mTSNameChangeClick
    end
  end
  object OpenDlg: TOpenDialog
    DefaultExt = 'STB'
    Filter = 'Projektdateien (*.STB)|*.STB'
    Options = [ofHideReadOnly, ofEnableSizing]
    Title = 'Projektdatei '#246'ffnen'
  end
  object SaveDlg: TSaveDialog
    DefaultExt = 'STB'
    Filter = 'Projektdateien (*.STB)|*.STB'
    Options = [ofHideReadOnly, ofEnableSizing]
    Title = 'Projektdatei speichern'
  end
  object FileCipher: TFileCipher
    IntKey = 38027154
  end
  object TranslationManager: TTranslationManager
    LangsDir = '.\Language\'
    TranslateResourceStrings = True
  end
  object FormTranslator: TFormTranslator
    Manager = TranslationManager
  end
  object OneInstance: TOneInstance
    SwitchToPrevious = True
    Terminate = True
    Version = '1.1'
  end
  object PasswordDlg: TPasswordDialog
    Language = dlGerman
    Caption = 'Technikdaten '#228'ndern'
    AllowEmptyPassword = True
  end
  object TipOfDayDlg: TJvTipOfDay
    ButtonNext.Caption = '&Weiter'
    ButtonClose.Caption = '&Schliessen'
    CheckBoxText = 'Dialog nicht mehr zeigen'
    HeaderText = 'Wie kann man ...'
    Options = [toShowWhenFormShown]
    Title = 'Tips und Tricks'
  end
  object MessStrHolder1: TStrHolder
    Strings.Strings = (
      ''
      ''
      ''
      'Fehler beim L'#246'schen der Datei:'
      'Strombaurechner'
      ''
      'Teilstrecke'
      'Blechkanal gefalzt'
      'Zetawerte nicht vorhanden'
      'Zubeh'#246'r'
      'Formst'#252'cke'
      'Rundrohr'
      'Rechteckkanal'
      'Bogen rund, glatt'
      'Bogen rund, 3 Segmente'
      'Bogen rund, 5 Segmente'
      'Bogen flach, horizontal'
      'Bogen flach, vertikal'
      'Abzweig, 90'#176
      'Abzweig, 60'#176
      'Abzweig, 45'#176
      'Erweiterung, scharfkantig'
      'Reduzierung, scharfkantig'
      'Erweiterung, konisch'
      'Reduzierung, konisch'
      'Verschlu'#223'klappe'
      'Wetterschutzgitter'
      'Luftfilterbox Rohr'
      'Kanal-Luftfilter'
      'Luftfilter'
      'Elektro-Heizregister Rohr'
      'Elektro-Heizregister Kanal'
      'WW-Heizregister Rohr'
      'WW-Heizregister Kanal'
      'Rohrschalld'#228'mpfer'
      'Flex. Rohrschalld'#228'mpfer'
      'Kanal-Schalld'#228'mpfer'
      'Zeta-Einbauten'
      'Rohr-Durchmesser'
      'Kanal-Breite'
      'oval'
      'ovaler Rechteckkanal')
  end
  object MessStrHolder2: TStrHolder
    Strings.Strings = (
      'Fehler beim Speichern!'
      'Fehler beim Laden!'
      'Flexibler Schlauch'
      'Faserzement'
      'Holzkanal'
      'Betonkanal'
      'Gemauerter Kanal'
      'Druckverlustberechnungen drucken'
      'Strombauberechnung'
      'Tel:'
      'Fax:'
      'An:'
      'Datum:'
      'von:'
      'eMail:'
      'Projekt:'
      'Vorgaben'
      'Ergebnisse'
      'Standard'
      'Alle Angaben sind unverbindlich und k'#246'nnen ohne vorherige Nachricht ge'#228'ndert werden.'
      'Seite %d'
      'Volumenstrom'
      'Str'#246'mungsgeschwindigkeit'
      'Teilstreckenl'#228'nge'
      'hydr. Durchmesser'
      'Materiallart'
      'Querschnittsfl'#228'che'
      'Kanalform'
      'Druckverl. Rohr'
      'Durchmesser'
      'Druckverl. Einb./Formst.'
      'Druckverl. Teilstr. gesamt'
      'Kanal-H'#246'he'
      'Liste der Einbauten und Formst'#252'cke:'
      'Einbau/Formst'#252'ck'
      'Zeta'
      'Anzahl'
      'Gesamtergebnis:'
      'Volumenstrom gesamt:'
      'Druckverlust gesamt:'
      'erf. Wellenleistung:')
  end
  object MessStrHolder3: TStrHolder
    Strings.Strings = (
      'Teilstrecken Anzahl'
      ''
      'Geben Sie die Anzahl der Teilstrecken ein:'
      'Wollen Sie die Teilstrecke'
      'wirklich l'#246'schen??'
      'Das Passwort ist falsch!!'
      'Fehler beim Drucken!'
      'Fehler bei der Druckvorschau!'
      'Es m'#252'ssen mindestens folgende Felder gr'#246#223'er "0" sein:'
      'Volumenstrom, Teilstreckenl'#228'nge und'
      'Rohrdurchmesser oder Str'#246'mungsgeschwindigkeit!!'
      ''
      'Information'
      '<unbenannt>'
      ''
      'Text '#228'ndern'
      'Geben Sie die neue Teilstreckenbezeichnung ein:')
  end
  object GridStrHolder: TStrHolder
    Strings.Strings = (
      'R / D'
      'Stck.'
      '3 Seg.'
      '5 Seg.'
      'h / b'
      'R / b'
      'V2/V1'
      'A2/A1'
      'A1/A2'
      'Menge'
      'Beschreibung'
      'Dp (Pa)'
      'Die '#196'nderungen wurden noch nicht gespeichert!!'
      'Wollen Sie die '#196'nderungen jetzt speichern?')
  end
  object TipStrHld: TStrHolder
    Strings.Strings = (
      'Tips und Tricks'
      'Wie kann man ...'
      'Dialog nicht mehr zeigen'
      '&Schliessen'
      '&Weiter'
      'Eine Berechnung durchzuf'#252'hren,ist zuerst ein neues Projekt zu erstellen und die Anzahl der Teilstrecken festzulegen.'
      'Ein neues Projekt erstellen Sie, wenn Sie den Men'#252'punkt <Datei-Projekt neu> ausw'#228'hlen.'
      'Eine Teilstrecke kann durch das Untermen'#252' mit einem Click der rechten Maustaste auf das Baumfenster eingef'#252'gt o. gel'#246'scht werden.'
      'Es kann die gew'#228'hlte Teilstrecke oder der der gesamte Leitungsstrang berechnet werden.')
  end
end
