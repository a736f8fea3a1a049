object Holder: TComponent
  Tag = 1
  object First: TComponent
    Tag = 2
  end
  object Second: TComponent
  end
end
