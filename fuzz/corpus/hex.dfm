object Form1: TComponent
  Tag = -$10
end
