object ShowDialog: TShowDialog
  Left = 262
  Top = 112
  BorderStyle = bsDialog
  Caption = 'Show Component'
  ClientHeight = 218
  ClientWidth = 244
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object ShowGrid: TDrawGrid
    Left = 0
    Top = 0
    Width = 154
    Height = 218
    Align = alClient
    ColCount = 2
    DefaultDrawing = False
    DefaultRowHeight = 16
    FixedCols = 0
    FixedRows = 0
    Options = [goFixedVertLine, goFixedHorzLine]
    TabOrder = 0
    OnDrawCell = ShowGridDrawCell
    OnSelectCell = ShowGridSelectCell
    ColWidths = (
      28
      102)
  end
  object Panel1: TPanel
    Left = 154
    Top = 0
    Width = 90
    Height = 218
    Align = alRight
    TabOrder = 1
    object Button1: TButton
      Left = 8
      Top = 152
      Width = 75
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 0
    end
    object Button2: TButton
      Left = 8
      Top = 184
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 1
    end
  end
end
