object AboutBox: TAboutBox
  Left = 280
  Top = 190
  HelpContext = 260
  BorderStyle = bsDialog
  Caption = 'Strombaurechner'
  ClientHeight = 240
  ClientWidth = 300
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnActivate = FormActivate
  PixelsPerInch = 96
  TextHeight = 14
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 284
    Height = 190
    BevelOuter = bvLowered
    TabOrder = 1
    object ProductName: TAngleLabel
      Left = 8
      Top = 12
      Width = 268
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'Strombaurechner'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -27
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold, fsItalic]
      ShadowStyle = ssShadow
      ShadowDepth = 2
    end
    object SubLbl: TLabel
      Left = 8
      Top = 52
      Width = 268
      Height = 14
      Alignment = taCenter
      AutoSize = False
      Caption = 'Druckverlust in Luftleitungsnetzen'
    end
    object VersionLbl: TLabel
      Left = 96
      Top = 76
      Width = 40
      Height = 14
      Caption = 'Version'
    end
    object Version: TLabel
      Left = 148
      Top = 76
      Width = 40
      Height = 14
      Caption = '2.20'
      Font.Style = [fsBold]
    end
    object Bevel1: TBevel
      Left = 16
      Top = 100
      Width = 252
      Height = 2
    end
    object AdresseLbl1: TLabel
      Left = 8
      Top = 110
      Width = 268
      Height = 14
      Alignment = taCenter
      AutoSize = False
      Caption = 'Strombaurechner-Projekt'
    end
    object AdresseLbl2: TLabel
      Left = 8
      Top = 128
      Width = 268
      Height = 14
      Alignment = taCenter
      AutoSize = False
      Caption = 'Quelloffene Neufassung f'#252'r Linux'
    end
    object AdresseLbl3: TLabel
      Left = 8
      Top = 146
      Width = 268
      Height = 14
      Alignment = taCenter
      AutoSize = False
      Caption = 'Fragen und Hinweise bitte an:'
    end
    object UrlLabel: TUrlLabel
      Left = 8
      Top = 166
      Width = 268
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'strombaurechner@example.org'
    end
  end
  object OKButton: TBitBtn
    Left = 112
    Top = 207
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
    Kind = bkOK
  end
  object FormTranslator: TFormTranslator
    Manager = MainForm.TranslationManager
    Left = 16
    Top = 206
  end
end
