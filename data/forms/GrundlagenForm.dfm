object GrundlagenForm: TGrundlagenForm
  Left = 300
  Top = 200
  HelpContext = 250
  BorderStyle = bsDialog
  Caption = 'Vorgabewerte zur Berechnung'
  ClientHeight = 291
  ClientWidth = 416
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = False
  Position = poOwnerFormCenter
  OnActivate = FormActivate
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 14
  object Panel1: TPanel
    Left = 0
    Top = 250
    Width = 416
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object SaveBtn: TBitBtn
      Left = 118
      Top = 8
      Width = 85
      Height = 25
      Caption = '&Speichern'
      Enabled = False
      TabOrder = 0
      OnClick = SaveBtnClick
    end
    object CloseBtn: TBitBtn
      Left = 213
      Top = 8
      Width = 85
      Height = 25
      Caption = 'Schlie'#223'en'
      TabOrder = 1
      Kind = bkClose
    end
  end
  object VorgabenPageControl: TPageControl
    Left = 0
    Top = 0
    Width = 416
    Height = 250
    ActivePage = VorgabenTab
    Align = alClient
    TabOrder = 0
    object VorgabenTab: TTabSheet
      Caption = 'Rohrmaterial'
      object RauhigkeitLbl: TLabel
        Left = 8
        Top = 10
        Width = 300
        Height = 14
        Caption = 'relative Rauhigkeit von Rohren und Kan'#228'len: '#949' (mm)'
      end
      object BlechGefalztLbl: TLabel
        Left = 16
        Top = 41
        Width = 110
        Height = 14
        Caption = 'Blechkan'#228'le gefalzt'
      end
      object BlechGefalztEdit: TCurrencyEdit
        Left = 130
        Top = 38
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 0
        OnChange = SpeichernMoeglich
      end
      object FlexrohrLbl: TLabel
        Left = 16
        Top = 69
        Width = 110
        Height = 14
        Caption = 'Flex-Schl'#228'uche'
      end
      object FlexrohrEdit: TCurrencyEdit
        Left = 130
        Top = 66
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 1
        OnChange = SpeichernMoeglich
      end
      object GemauertLbl: TLabel
        Left = 16
        Top = 97
        Width = 110
        Height = 14
        Caption = 'gemauerte Kan'#228'le'
      end
      object GemauertEdit: TCurrencyEdit
        Left = 130
        Top = 94
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 2
        OnChange = SpeichernMoeglich
      end
      object HolzkanalLbl: TLabel
        Left = 16
        Top = 125
        Width = 110
        Height = 14
        Caption = 'Holzkan'#228'le'
      end
      object HolzkanalEdit: TCurrencyEdit
        Left = 130
        Top = 122
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 3
        OnChange = SpeichernMoeglich
      end
      object BetonkanalLbl: TLabel
        Left = 16
        Top = 153
        Width = 110
        Height = 14
        Caption = 'Betonkan'#228'le roh'
      end
      object BetonkanalEdit: TCurrencyEdit
        Left = 130
        Top = 150
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 4
        OnChange = SpeichernMoeglich
      end
      object FaserzementLbl: TLabel
        Left = 16
        Top = 181
        Width = 110
        Height = 14
        Caption = 'Faserzement-Kan'#228'le'
      end
      object FaserzementEdit: TCurrencyEdit
        Left = 130
        Top = 178
        Width = 64
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 5
        OnChange = SpeichernMoeglich
      end
      object EtaVentilatorLbl: TLabel
        Left = 216
        Top = 41
        Width = 130
        Height = 14
        Caption = 'Wirkungsgrad Ventilator '#951
      end
      object EtaVentilatorEdit: TCurrencyEdit
        Left = 346
        Top = 38
        Width = 56
        Height = 22
        AutoSize = False
        DecimalPlaces = 4
        DisplayFormat = ',0.00##;-,0.00##'
        TabOrder = 6
        OnChange = SpeichernMoeglich
      end
    end
    object ZetaBogenTab: TTabSheet
      Caption = 'Zeta  Bogen (rund)'
      object BogenGlattImage: TImage
        Left = 12
        Top = 14
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object BogenGlattLbl: TLabel
        Left = 110
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Rohr glatt gezogen:'
      end
      object ZetaBogenGlattGrid: TCellGrid
        Left = 110
        Top = 24
        Width = 290
        Height = 41
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
        Cells = (
          0
          0
          'R / D'
          0
          1
          'Zeta'
          1
          0
          '0,5'
          2
          0
          '0,75'
          3
          0
          '1,0'
          4
          0
          '2'
          5
          0
          '3'
          6
          0
          '4')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
      object BogenSegmentImage: TImage
        Left = 12
        Top = 104
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object BogenSegmentLbl: TLabel
        Left = 110
        Top = 96
        Width = 200
        Height = 14
        Caption = 'Segmentbogen gefalzt:'
      end
      object ZetaBogenSegmentGrid: TCellGrid
        Left = 110
        Top = 112
        Width = 290
        Height = 60
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 3
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 1
        DrawSelection = False
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
          2
          0
          '0,75'
          3
          0
          '1,0'
          4
          0
          '1,5'
          5
          0
          '2')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
    object ZetaFlachTab: TTabSheet
      Caption = 'Zeta Bogen (Flachk.)'
      object FlachHImage: TImage
        Left = 12
        Top = 14
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object FlachHLbl: TLabel
        Left = 110
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Flachkanalbogen horizontal:'
      end
      object ZetaBogenFlachGrid: TCellGrid
        Left = 110
        Top = 24
        Width = 290
        Height = 60
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 3
        FixedRows = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
        Cells = (
          0
          0
          'h / b'
          0
          1
          'R / b'
          0
          2
          'Zeta'
          1
          1
          '0,75'
          2
          1
          '1,0'
          3
          0
          '0,5'
          3
          1
          '1,5'
          4
          1
          '2,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
      object FlachVImage: TImage
        Left = 12
        Top = 112
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object FlachVLbl: TLabel
        Left = 110
        Top = 104
        Width = 200
        Height = 14
        Caption = 'Flachkanalbogen vertikal:'
      end
      object ZetaBogenFlachVertGrid: TCellGrid
        Left = 110
        Top = 120
        Width = 290
        Height = 60
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 3
        FixedRows = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 1
        DrawSelection = False
        Cells = (
          0
          0
          'h / b'
          0
          1
          'R / b'
          0
          2
          'Zeta'
          1
          1
          '0,75'
          2
          1
          '1,0'
          3
          0
          '0,50'
          3
          1
          '1,5'
          4
          1
          '2,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
    object ZetaAbzweigTab: TTabSheet
      Caption = 'Zeta Abzweig'
      object AbzweigImage: TImage
        Left = 8
        Top = 30
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object AbzweigLbl: TLabel
        Left = 78
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Abzweig Luftstrom-Trennung'
      end
      object ZetaAbzweigGrid: TCellGrid
        Left = 78
        Top = 24
        Width = 330
        Height = 79
        ColCount = 8
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 4
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
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
          2
          0
          '0,6'
          3
          0
          '0,8'
          4
          0
          '1,0'
          5
          0
          '1,5'
          6
          0
          '2,0'
          7
          0
          '3,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
    object ZetaRedScharfTab: TTabSheet
      Caption = 'Zeta Red. scharfkantig'
      object RedScharfWeitImage: TImage
        Left = 12
        Top = 14
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object RedScharfWeitLbl: TLabel
        Left = 110
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Erweiterung scharfkantig:'
      end
      object ZetaRedScharfWeitGrid: TCellGrid
        Left = 110
        Top = 24
        Width = 290
        Height = 41
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
        Cells = (
          0
          0
          'A2/A1'
          0
          1
          'Zeta'
          1
          0
          '0'
          2
          0
          '0,2'
          3
          0
          '0,4'
          4
          0
          '0,6'
          5
          0
          '0,8'
          6
          0
          '1,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
      object RedScharfEngImage: TImage
        Left = 12
        Top = 104
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object RedScharfEngLbl: TLabel
        Left = 110
        Top = 96
        Width = 200
        Height = 14
        Caption = 'Verengung schaftkantig'
      end
      object ZetaRedScharfEngGrid: TCellGrid
        Left = 110
        Top = 112
        Width = 290
        Height = 41
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 1
        DrawSelection = False
        Cells = (
          0
          0
          'A2/A1'
          0
          1
          'Zeta'
          1
          0
          '0'
          2
          0
          '0,2'
          3
          0
          '0,4'
          4
          0
          '0,6'
          5
          0
          '0,8'
          6
          0
          '1,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
    object ZetaRedKonTab: TTabSheet
      Caption = 'Zeta Red. konisch'
      object RedKonWeitImage: TImage
        Left = 12
        Top = 20
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object RedKonWeitLbl: TLabel
        Left = 110
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Erweiterung konisch:'
      end
      object ZetaRedKonWeitGrid: TCellGrid
        Left = 110
        Top = 24
        Width = 290
        Height = 79
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 4
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
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
          2
          0
          '7,5'#176
          3
          0
          '10'#176
          4
          0
          '15'#176
          5
          0
          '20'#176
          6
          0
          '>30'#176)
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
      object RedKonEngImage: TImage
        Left = 12
        Top = 126
        Width = 64
        Height = 64
        Center = True
        Transparent = True
      end
      object RedKonEngLbl: TLabel
        Left = 110
        Top = 118
        Width = 200
        Height = 14
        Caption = 'Verengung konisch:'
      end
      object ZetaRedKonEngGrid: TCellGrid
        Left = 110
        Top = 134
        Width = 290
        Height = 41
        ColCount = 7
        DefaultColWidth = 40
        DefaultRowHeight = 18
        RowCount = 2
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 1
        DrawSelection = False
        Cells = (
          0
          0
          'A2/A1'
          0
          1
          'Zeta'
          1
          0
          '0'
          2
          0
          '0,2'
          3
          0
          '0,4'
          4
          0
          '0,6'
          5
          0
          '0,8'
          6
          0
          '1,0')
        PropCell = ()
        PropCol = (
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
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
    object EinbautenTab: TTabSheet
      Caption = 'Einbauten'
      object ZubehoerLbl: TLabel
        Left = 8
        Top = 8
        Width = 200
        Height = 14
        Caption = 'Kanal - Zubeh'#246'r'
      end
      object ZubehoerGrid: TCellGrid
        Left = 8
        Top = 24
        Width = 370
        Height = 148
        ColCount = 4
        DefaultColWidth = 40
        DefaultRowHeight = 20
        FixedCols = 0
        RowCount = 7
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ScrollBars = ssNone
        TabOrder = 0
        DrawSelection = False
        ColWidths = (
          145
          37
          145
          37)
        Cells = (
          1
          0
          'Zeta'
          3
          0
          'Zeta')
        PropCell = ()
        PropCol = (
          0
          3
          1
          0
          1
          1
          2
          0
          2
          3
          1
          0
          3
          1
          2
          0)
        PropRow = ()
        PropFixedCol = ()
        PropFixedRow = ()
      end
    end
  end
  object ZetaStrHolder: TStrHolder
    Strings.Strings = (
      'Einbauteile'
      'selbstt. Verschlussklappe(n)'
      'Wetterschutzgitter'
      'Filterbox'
      'Kanalfilter'
      'Filter'
      'E-Heizregister Rohr'
      'E-Heizregister Kanal'
      'WW-Heizregister Rohr'
      'WW-Heizregiser Kanal'
      'Rohrschalld'#228'mpfer'
      'Flex. Rohrschalld'#228'mpfer'
      'Kanalschalld'#228'mpfer'
      'Datei f'#252'r Konstante nicht vorhanden'
      'Die '#196'nderungen wurden noch nicht gespeichert!!'
      'Wollen Sie die '#196'nderungen jetzt speichern?'
      'ist kein g'#252'ltiger Wert: erlaubt sind eine Dezimalzahl mit Komma (z. B. 0,15) oder ein leeres Feld.'
      'Das Feld '#8222'%s'#8220' nimmt h'#246'chstens f'#252'nf Zeichen auf: '#8222'%s'#8220' wird nicht '#252'bernommen.'
      'Diese Werte der Datei sind keine Zahlen (ihr Feld zeigt 0,00):')
  end
  object FormTranslator: TFormTranslator
    Manager = MainForm.TranslationManager
    Left = 16
    Top = 256
  end
end
