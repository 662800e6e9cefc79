object DruckkopfDlg: TDruckkopfDlg
  Left = 260
  Top = 180
  HelpContext = 280
  BorderStyle = bsDialog
  Caption = 'Projekt-Kopfdaten'
  ClientHeight = 331
  ClientWidth = 545
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = False
  Position = poOwnerFormCenter
  OnActivate = FormActivate
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 14
  object Panel1: TPanel
    Left = 0
    Top = 290
    Width = 545
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object CloseBtn: TBitBtn
      Left = 235
      Top = 8
      Width = 75
      Height = 25
      Caption = 'OK'
      TabOrder = 0
      Kind = bkOK
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 0
    Width = 545
    Height = 290
    Align = alClient
    BevelOuter = bvLowered
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 15
      Width = 32
      Height = 14
      Caption = 'Name'
    end
    object Label2: TLabel
      Left = 8
      Top = 67
      Width = 42
      Height = 14
      Caption = 'Strasse'
    end
    object Label3: TLabel
      Left = 8
      Top = 93
      Width = 52
      Height = 14
      Caption = 'PLZ / Ort'
    end
    object Label4: TLabel
      Left = 276
      Top = 15
      Width = 42
      Height = 14
      Caption = 'Telefon'
    end
    object Label5: TLabel
      Left = 276
      Top = 41
      Width = 22
      Height = 14
      Caption = 'Fax'
    end
    object Label6: TLabel
      Left = 276
      Top = 67
      Width = 36
      Height = 14
      Caption = 'E-Mail'
    end
    object Label7: TLabel
      Left = 276
      Top = 93
      Width = 64
      Height = 14
      Caption = 'Ansprechp.'
    end
    object Label8: TLabel
      Left = 8
      Top = 127
      Width = 40
      Height = 14
      Caption = 'Projekt'
    end
    object Label9: TLabel
      Left = 8
      Top = 160
      Width = 56
      Height = 28
      Caption = 'Vorbemer- kungen'
      WordWrap = True
    end
    object Label10: TLabel
      Left = 8
      Top = 224
      Width = 56
      Height = 28
      Caption = 'Schlu'#223'be- merkungen'
      WordWrap = True
    end
    object Name1Edit: TEdit
      Left = 80
      Top = 12
      Width = 180
      Height = 22
      MaxLength = 30
      TabOrder = 0
    end
    object Name2Edit: TEdit
      Left = 80
      Top = 38
      Width = 180
      Height = 22
      MaxLength = 30
      TabOrder = 1
    end
    object StrasseEdit: TEdit
      Left = 80
      Top = 64
      Width = 180
      Height = 22
      MaxLength = 30
      TabOrder = 2
    end
    object PLZEdit: TEdit
      Left = 80
      Top = 90
      Width = 45
      Height = 22
      MaxLength = 5
      TabOrder = 3
    end
    object OrtEdit: TEdit
      Left = 130
      Top = 90
      Width = 130
      Height = 22
      MaxLength = 30
      TabOrder = 4
    end
    object TelefonEdit: TEdit
      Left = 344
      Top = 12
      Width = 192
      Height = 22
      MaxLength = 30
      TabOrder = 5
    end
    object FaxEdit: TEdit
      Left = 344
      Top = 38
      Width = 192
      Height = 22
      MaxLength = 30
      TabOrder = 6
    end
    object EMailEdit: TEdit
      Left = 344
      Top = 64
      Width = 192
      Height = 22
      MaxLength = 50
      TabOrder = 7
    end
    object AnsprechpartnerEdit: TEdit
      Left = 344
      Top = 90
      Width = 192
      Height = 22
      MaxLength = 30
      TabOrder = 8
    end
    object ProjektEdit: TEdit
      Left = 80
      Top = 124
      Width = 456
      Height = 22
      MaxLength = 100
      TabOrder = 9
    end
    object VortextMemo: TMemo
      Left = 80
      Top = 156
      Width = 456
      Height = 56
      TabOrder = 10
    end
    object NachtextMemo: TMemo
      Left = 80
      Top = 220
      Width = 456
      Height = 56
      TabOrder = 11
    end
  end
  object FormTranslator: TFormTranslator
    Manager = MainForm.TranslationManager
    Left = 16
    Top = 296
  end
end
